#pragma once

#include "engine/EntrySelection.h"
#include "engine/RunCallback.h"
#include "engine/RunPacer.h"
#include "engine/RunStatus.h"
#include "engine/SafeWriter.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace marrowick {

struct FileRow;

// The extract and test side of one run. Every entry goes through the
// library's test, so the library never writes a file itself: in extract mode
// the data goes to the safe writer, in test mode nowhere.
class ExtractRun final : public IEntryData
{
    Q_DECLARE_TR_FUNCTIONS(ExtractRun)

public:
    ExtractRun(std::int32_t mode, const QString& archivePath, RunContext& context,
               const UnrarApi& api, RunCallback& callback, ActivityText& status, RunPacer& pacer);
    ~ExtractRun() override;
    ExtractRun(const ExtractRun&) = delete;
    ExtractRun& operator=(const ExtractRun&) = delete;

    // Before the walk: how many readers may share it. A whole run over an
    // archive whose entries stand alone is surveyed first to decide.
    std::uint32_t readersFor(bool entriesStandAlone);
    // Before the first entry: the destination and the one overwrite question.
    // False: the run ends here with nothing written.
    bool prepare();
    // One entry. False: the walk stops here (cancel, a cancelled password
    // prompt, a missing volume).
    bool process(RarHandle handle, const RARHeaderDataEx& header, const FileRow& row);
    // Between entries, when the run's pacer is due.
    void reportProgress();

    // After a walk: the first failure's text, the refusals and, when the walk
    // reached the archive's end, the names asked for that matched nothing, in
    // error boxes. Folder modes are set here.
    void reportOutcome(int headerResult);
    // After a walk cut short by a missing volume: only the refusals (the
    // failures all come from the missing volume, which is reported).
    void reportRefusals();
    // True when every entry asked for was written or tested, none failed or
    // was refused or kept, every name asked for was found, and the walk was
    // not cut short.
    bool allPassed(int headerResult) const;
    // True when the walk reached the archive's end without an entry to work on.
    bool testedNothing(int headerResult) const;

    bool takeData(const unsigned char* data, std::size_t size) override;
    bool wantsBytes() const override { return m_writer != nullptr; }

private:
    struct Survey
    {
        std::uint64_t total = 0;
        std::uint64_t entries = 0;      // asked for
        std::uint64_t dictionary = 0;   // the largest, in bytes
        bool complete = false;
        bool destinationExists = false;
    };
    Survey survey(bool mustFinish);
    bool checksDestinations();
    bool keepExisting(const QString& name);
    bool skip(RarHandle handle, const FileRow& row);
    bool passOverEarlierStart(RarHandle handle, const FileRow& row);
    // Where the writer puts an entry: its stored name, or the renamed one.
    QString writtenName(const QString& stored) const;
    void reportNewRefusals();
    void entryDone(const FileRow& row, int result);
    QString failureText(int code, const FileRow& row) const;

    const std::int32_t m_mode;
    const QString& m_archivePath;
    RunContext& m_context;
    const UnrarApi& m_api;
    RunCallback& m_callback;
    ActivityText& m_status;
    RunPacer& m_pacer;
    std::unique_ptr<SafeWriter> m_writer;
    EntrySelection m_selection;
    std::optional<Survey> m_survey;

    QString m_entryName;
    std::uint64_t m_total = 0;
    std::uint64_t m_done = 0;
    std::size_t m_refusalsReported = 0;
    int m_entries = 0;
    int m_kept = 0;
    const QString m_keptText;              // given for each entry kept: translated once
    std::optional<QString> m_firstFailure; // its text, for the run's error box
    bool m_cancelled = false;
    bool m_writeRefused = false;
};

} // namespace marrowick
