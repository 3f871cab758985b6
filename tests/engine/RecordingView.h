#pragma once

#include "engine/ArchiveView.h"
#include "engine/UserPrompts.h"

#include <QMap>
#include <QString>
#include <QStringList>

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
    bool askYesNo(const QString&, const QString&) override { return true; }
    void showInformation(const QString&, const QString&) override {}
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
    std::optional<QString> password;

private:
    RecordingView& m_view;
};

} // namespace marrowick::test
