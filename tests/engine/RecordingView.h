#pragma once

#include "engine/ArchiveView.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

#include <QMap>
#include <QProcess>
#include <QStringList>

#include <limits>
#include <optional>

namespace marrowick::test {

// A window that records what a run did to it; log keeps the order of the
// steps that have one.
class RecordingView final : public IArchiveView
{
public:
    void showWindow() override { log << "show"; }
    void processEvents() override {}
    void repaint() override {}
    void setTitle(const QString& text) override { title = text, log << "title"; }
    void clearRows() override { rows.clear(), log << "clear"; }
    int rowCount() const override { return int(rows.size()); }
    void appendRows(std::vector<FileRow>&& batch) override
    {
        rows.insert(rows.end(), batch.begin(), batch.end());
    }
    void setPanelText(int panel, const QString& text) override { panels[panel] = text; }
    void setPanelVisible(int, bool) override {}
    void showIconsForFiles() override { log << "icons"; }
    void runStarted() override { ++started; }
    void runFinished() override { ++finished; }
    void setProgress(const QString& entry, std::uint64_t done, std::uint64_t total) override
    {
        progressEntry = entry, progressTotal = total, cancel = cancel || done >= cancelAtBytes;
    }
    bool cancelRequested() const override { return cancel; }
    void entryFinished(const QString& name, int result, const QString& message) override
    {
        outcomes << QStringLiteral("%1=%2").arg(name).arg(result);
        if (result != 0 && message.isEmpty())
            outcomes << "(no message)";
        if (result != 0)
            messages << message;
        cancel = cancel || ++entriesDone == cancelAfterEntries;
    }
    void entryRefused(const QString& name, const QString&) override { refused << name; }

    QStringList names() const
    {
        QStringList list;
        for (const FileRow& row : rows)
            list << row.name;
        return list;
    }

    std::vector<FileRow> rows;
    QMap<int, QString> panels;
    QString title = "(untouched)";
    QStringList log, outcomes, refused, messages; // messages: of the failed entries
    int started = 0, finished = 0;
    QString progressEntry;
    std::uint64_t progressTotal = 0;
    // The user asks to stop once the progress reaches this many bytes.
    std::uint64_t cancelAtBytes = std::numeric_limits<std::uint64_t>::max();
    // The user asks to stop once this many entries are done.
    int cancelAfterEntries = -1, entriesDone = 0;
    bool cancel = false;
};

// Answers from a script and records every message. Error boxes and the
// comment go to the view's log too.
class ScriptedPrompts final : public IUserPrompts
{
public:
    explicit ScriptedPrompts(RecordingView& view) : m_view(view) {}
    void showErrorBox(const QString& text) override { errors << text, m_view.log << "error"; }
    bool askYesNo(const QString& text, const QString&) override { return questions << text, yes; }
    void showInformation(const QString& text, const QString&) override { information << text; }
    std::optional<QString> askPassword(const QString& prompt, const QString&) override
    {
        return passwordPrompts << prompt, password;
    }
    void showComment(const QString& text) override { comments << text, m_view.log << "comment"; }

    QStringList errors, passwordPrompts, comments, questions, information;
    std::optional<QString> password;
    bool yes = true;

private:
    RecordingView& m_view;
};

#ifdef MARROWICK_TEST_DATA
inline QString Fixture(const QString& name)
{
    return QStringLiteral(MARROWICK_TEST_DATA "/") + name;
}
#endif

// One ProcessArchive call seen through a recording view and scripted answers.
struct EngineRun
{
    RecordingView view;
    ScriptedPrompts prompts{view};
    QString password;
    QStringList selection; // extract and test: these entries only

    void process(std::int32_t mode, const QString& archive, const QString& dest = QString(),
                 OverwritePolicy overwrite = OverwritePolicy::Ask, const UnrarApi* api = nullptr)
    {
        RunContext context{view, prompts, api, dest, overwrite, selection};
        ProcessArchive(mode, archive, password, context);
        runPassed = context.passed;
    }
    QString status() const { return view.panels.value(2); }
    // The run's own verdict (it then said "Success" or "No errors found").
    bool passed() const { return runPassed; }
    bool runPassed = false;
};

// The library's own verdict on an archive's entries, with the password
// "secret": the exit status of `unrar t` (0 when every entry tested sound),
// -1 when it did not run to its end. A damaged comment fails it, as it fails
// our test.
inline int LibraryVerdict(const QString& archive)
{
    QProcess unrar;
    unrar.setStandardInputFile(QProcess::nullDevice());
    unrar.start(QStringLiteral("unrar"), {"t", "-idq", "-psecret", "--", archive});
    if (unrar.waitForFinished(60000) && unrar.exitStatus() == QProcess::NormalExit)
        return unrar.exitCode();
    unrar.kill();
    unrar.waitForFinished();
    return -1;
}

} // namespace marrowick::test
