#pragma once

#include "engine/UnrarLibrary.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace marrowick {

// The answer to the library's question for the next volume (UCM_CHANGEVOLUMEW):
// a notice is taken; a volume not found is looked for once more only when it
// is there now (one it still cannot open would be asked for forever), else it
// is named in missing and the run stops.
int AnswerVolumeRequest(const QString& name, RarLParam mode, QString& retried, QString& missing);

struct RunContext;

// Where the unpacked data of the entry being processed goes.
class IEntryData
{
public:
    virtual ~IEntryData() = default;
    // False makes the library abandon the entry.
    virtual bool takeData(const unsigned char* data, std::size_t size) = 0;
    // False when only the sizes matter (a test): the bytes need not travel.
    virtual bool wantsBytes() const { return true; }
};

// Answers the library's questions during a run. The library calls back
// through a C function; UnrarCallback turns its user data back into this.
class RunCallback final
{
    Q_DECLARE_TR_FUNCTIONS(RunCallback)

public:
    RunCallback(RunContext& context, QString& password);

    int handle(RarUInt message, RarLParam p1, RarLParam p2);

    // The password prompt, when the password is still empty. False when the
    // user cancelled it (or typed nothing): the run ends quietly then.
    bool ensurePassword();

    // A run that does the same to every entry says so (RAR_SKIP, RAR_TEST,
    // RAR_EXTRACT): the reader then streams the entries without waiting to be
    // asked.
    void planEveryEntry(int operation) { m_plan = operation; }
    // Of the entries so planned, only these (and what lies below them): the
    // reader passes over the others itself.
    void planSelection(std::vector<std::u32string> names) { m_planNames = std::move(names); }
    // How many readers share the run so planned.
    void planReaders(std::uint32_t readers) { m_readers = readers; }

    // Data of the entry in progress goes here; none: it is dropped.
    void setDataTarget(IEntryData* target) { m_data = target; }

    RarLParam userData() { return reinterpret_cast<RarLParam>(this); }
    QString& password() { return m_password; }
    bool passwordCancelled() const { return m_passwordCancelled; }
    // The volume the library looked for and did not find; empty when none.
    const QString& missingVolume() const { return m_missingVolume; }
    // Why the archive reader failed; empty while it has not.
    const QString& readerFailure() const { return m_readerFailure; }

private:
    int needPassword(wchar_t* buffer, std::size_t size);
    int changeVolume(const QString& name, RarLParam mode);

    RunContext& m_context;
    QString& m_password;
    IEntryData* m_data = nullptr;
    bool m_passwordCancelled = false;
    QString m_missingVolume;
    QString m_volumeRetried;
    QString m_readerFailure;
    int m_plan = -1;
    std::vector<std::u32string> m_planNames;
    std::uint32_t m_readers = 1;
};

int UnrarCallback(RarUInt message, RarLParam userData, RarLParam p1, RarLParam p2);

} // namespace marrowick
