#pragma once

#include "engine/ArchiveView.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace marrowick::test {

// A window that records what a run did to it, in the order it happened.
class RecordingView final : public IArchiveView
{
public:
    void showWindow() override { log << QStringLiteral("show"); }
    void processEvents() override { ++eventPumps; }
    void repaint() override { ++repaints; }
    void setTitle(const QString& text) override
    {
        title = text;
        log << QStringLiteral("title");
    }
    void clearRows() override
    {
        rows.clear();
        log << QStringLiteral("clear");
    }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    void appendRows(std::vector<FileRow>&& batch) override
    {
        ++batches;
        for (FileRow& row : batch)
            rows.push_back(std::move(row));
    }
    void setPanelText(int panel, const QString& text) override { panels[panel] = text; }
    void setPanelVisible(int panel, bool visible) override { panelVisible[panel] = visible; }
    void showIconsForFiles() override { log << QStringLiteral("icons"); }
    void runStarted() override { ++started; }
    void runFinished() override { ++finished; }
    void setProgress(const QString& entry, std::uint64_t done, std::uint64_t total) override
    {
        ++progressReports;
        progressEntry = entry;
        progressDone = done;
        progressTotal = total;
        if (done >= cancelAtBytes)
            cancel = true;
    }
    bool cancelRequested() const override
    {
        if (cancelAfterChecks == 0)
            cancel = true;
        else if (cancelAfterChecks > 0)
            --cancelAfterChecks;
        return cancel;
    }
    void entryFinished(const QString& name, int result, const QString& message) override
    {
        outcomes << QStringLiteral("%1=%2").arg(name).arg(result);
        if (result != 0 && message.isEmpty())
            outcomes << QStringLiteral("(no message)");
    }
    void entryRefused(const QString& name, const QString& reason) override
    {
        refused << name;
        if (reason.isEmpty())
            refused << QStringLiteral("(no reason)");
    }

    QStringList names() const
    {
        QStringList list;
        for (const FileRow& row : rows)
            list << row.name;
        return list;
    }

    std::vector<FileRow> rows;
    QMap<int, QString> panels;
    QMap<int, bool> panelVisible;
    QString title = QStringLiteral("(untouched)");
    QStringList log;
    int eventPumps = 0;
    int repaints = 0;
    int batches = 0;
    int started = 0;
    int finished = 0;

    // Extraction and test.
    QStringList outcomes; // "name=result" per entry processed
    QStringList refused;
    int progressReports = 0;
    QString progressEntry;
    std::uint64_t progressDone = 0;
    std::uint64_t progressTotal = 0;
    // The user asks to stop once the progress reaches this many bytes.
    std::uint64_t cancelAtBytes = std::numeric_limits<std::uint64_t>::max();
    // Or once the run asked this many times whether to stop (-1: never).
    mutable int cancelAfterChecks = -1;
    mutable bool cancel = false;
};

// Answers from a script and records every message. Error boxes and the
// comment also go to the view's log, so their order against the title and
// the icons can be checked.
class ScriptedPrompts final : public IUserPrompts
{
public:
    explicit ScriptedPrompts(RecordingView& view) : m_view(view) {}

    void showErrorBox(const QString& text) override
    {
        errors << text;
        m_view.log << QStringLiteral("error");
    }
    bool askYesNo(const QString& text, const QString& title) override
    {
        questions << text + QLatin1Char('|') + title;
        return yes;
    }
    void showInformation(const QString& text, const QString& title) override
    {
        information << text + QLatin1Char('|') + title;
        m_view.log << QStringLiteral("information");
    }
    std::optional<QString> askPassword(const QString& prompt, const QString&) override
    {
        passwordPrompts << prompt;
        return password;
    }
    void showComment(const QString& text) override
    {
        comments << text;
        m_view.log << QStringLiteral("comment");
    }

    QStringList errors;
    QStringList passwordPrompts;
    QStringList comments;
    QStringList questions;   // "text|title"
    QStringList information; // "text|title"
    std::optional<QString> password;
    bool yes = true;

private:
    RecordingView& m_view;
};

// An archive of tests/data.
inline QString Fixture(const QString& name)
{
    return QStringLiteral(MARROWICK_TEST_DATA "/") + name;
}

// One ProcessArchive call seen through a recording view and scripted answers.
struct EngineRun
{
    RecordingView view;
    ScriptedPrompts prompts{view};
    QString password;

    void process(std::int32_t mode, const QString& archive, const QString& dest = QString(),
                 OverwritePolicy overwrite = OverwritePolicy::Ask, const UnrarApi* api = nullptr)
    {
        RunContext context{view, prompts, api, dest, overwrite};
        ProcessArchive(mode, archive, password, context);
    }
    QString status() const { return view.panels.value(2); }
};

} // namespace marrowick::test
