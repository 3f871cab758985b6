#pragma once

#include "engine/ArchiveView.h"
#include "engine/FolderTree.h"
#include "engine/Formats.h"

#include <QCoreApplication>

#include <string>

namespace marrowick::cli {

class Console;

enum class ListFormat
{
    Text, // name, size, packed, ratio, CRC32: the window's cells, tab-separated
    Json, // one JSON object per line
    Tree, // nothing per entry: the folder tree is printed at the end
};

// One listed row, appended as UTF-8 without its line end.
void AppendRowText(std::string& out, const FileRow& row, const SizeFormat& sizes);
void AppendRowJson(std::string& out, const FileRow& row);

// The last line of `list`: "Total  N Files ", in every language the same, as
// the entry lines are, for the scripts that read them.
QString ListTotalsLine(std::int64_t count);

// The window side of a run, for a terminal or a pipe. Rows are printed as
// they arrive and not kept, so listing any number of entries takes the same
// memory; entry results are printed one line each.
class ConsoleView final : public IArchiveView
{
    Q_DECLARE_TR_FUNCTIONS(ConsoleView)

  public:
    ConsoleView(Console& console, ListFormat format);

    void showWindow() override { m_opened = true; }
    void processEvents() override {}
    void repaint() override {}
    void setTitle(const QString&) override {}
    void clearRows() override {}
    int rowCount() const override { return static_cast<int>(m_rows); }
    void appendRows(std::vector<FileRow>&& rows) override;
    void setPanelText(int, const QString&) override {}
    void setPanelVisible(int, bool) override {}
    void showIconsForFiles() override {}

    void setProgress(const QString& entry, std::uint64_t done, std::uint64_t total) override;
    void runFinished() override;
    bool cancelRequested() const override;
    void entryFinished(const QString& name, int result, const QString& message) override;
    void entryRefused(const QString& name, const QString& reason) override;

    // The archive was opened (the engine shows its window only then).
    bool archiveOpened() const { return m_opened; }
    std::int64_t rowsListed() const { return m_rows; }
    int entriesPassed() const { return m_passed; }
    int entriesFailed() const { return m_failed; }
    int entriesRefused() const { return m_refused; }
    // The folders of the entries listed (Tree only).
    const FolderTree& tree() const { return m_tree; }

  private:
    Console& m_console;
    ListFormat m_format;
    FolderTree m_tree;
    SizeFormat m_sizes;
    QString m_failedWithCode; // an entry's result without a text of its own
    std::string m_text; // of the batch being written
    std::int64_t m_rows = 0;
    int m_passed = 0;
    int m_failed = 0;
    int m_refused = 0;
    bool m_opened = false;
};

} // namespace marrowick::cli
