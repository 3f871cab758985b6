#include "cli/ConsoleView.h"

#include "cli/Console.h"
#include "cli/EntryJson.h"
#include "cli/Terminal.h"
#include "cli/Utf8Text.h"
#include "engine/EntryProperties.h"
#include "engine/Formats.h"

namespace marrowick::cli {

void AppendRowText(std::string& out, const FileRow& row, const SizeFormat& sizes)
{
    AppendEscaped(out, row.name);
    if (!row.linkTarget.isEmpty()) {
        out += " -> ";
        AppendEscaped(out, row.linkTarget);
    }
    out += '\t';
    sizes.append(out, row.unpSize);
    out += '\t';
    sizes.append(out, row.packSize);
    out += '\t';
    if (const std::int64_t percent = RatioPercent(row.packSize, row.unpSize); percent >= 0) {
        out += ' ';
        AppendDecimal(out, static_cast<std::uint64_t>(percent));
        out += '%';
    }
    out += '\t';
    if (row.extras.get())
        AppendUtf8(out, ChecksumCell(row));
    else
        AppendHex(out, row.crc, 1);
    // A sixth field only on an entry whose start is in a volume not there,
    // the same in every language: scripts read it.
    if (row.beginsEarlier)
        out += "\tbegins in an earlier volume";
}

void AppendRowJson(std::string& out, const FileRow& row)
{
    out += "{\"name\":";
    AppendJsonString(out, row.name);
    out += ",\"size\":";
    AppendDecimal(out, row.unpSize);
    out += ",\"packed\":";
    AppendDecimal(out, row.packSize);
    out += ',';
    AppendChecksumJson(out, row);
    out += ",\"encrypted\":";
    out += row.isEncrypted ? "true" : "false";
    out += ",\"folder\":";
    out += row.isFolder ? "true" : "false";
    out += ",\"mtime\":";
    if (row.mtime == 0) {
        out += "null";
    } else {
        out += '"';
        AppendIsoTime(out, row.mtime);
        out += '"';
    }
    if (row.beginsEarlier)
        out += ",\"beginsEarlier\":true";
    if (!row.linkTarget.isEmpty() || row.isLink) {
        out += ",\"target\":";
        AppendJsonString(out, row.linkTarget);
    }
    AppendEntryJsonFields(out, row);
    out += '}';
}

ConsoleView::ConsoleView(Console& console, ListFormat format) : m_console(console), m_format(format)
{
}

void ConsoleView::appendRows(std::vector<FileRow>&& rows)
{
    if (m_format == ListFormat::Tree) {
        for (const FileRow& row : rows)
            m_tree.add(row);
        m_rows += static_cast<std::int64_t>(rows.size());
        return;
    }
    // One write per batch: the engine hands over thousands of rows at a time.
    m_text.clear();
    for (const FileRow& row : rows) {
        if (m_format == ListFormat::Json)
            AppendRowJson(m_text, row);
        else
            AppendRowText(m_text, row, m_sizes);
        m_text += '\n';
    }
    m_rows += static_cast<std::int64_t>(rows.size());
    if (!CancelSignalled())
        m_console.out(m_text);
}

void ConsoleView::setProgress(const QString& entry, std::uint64_t done, std::uint64_t total)
{
    m_console.progress(entry, done, total);
}

void ConsoleView::runFinished()
{
    m_console.clearProgress();
}

bool ConsoleView::cancelRequested() const
{
    return CancelSignalled() || m_console.outputBroken();
}

void ConsoleView::entryFinished(const QString& name, int result, const QString& message)
{
    QString outcome;
    if (result == 0) {
        ++m_passed;
        outcome = QStringLiteral("OK");
    } else {
        ++m_failed;
        outcome =
            message.isEmpty() ? QStringLiteral("failed (error code %1)").arg(result) : message;
    }
    m_console.outLine(EscapeControls(name) + QLatin1Char('\t') + outcome);
}

void ConsoleView::entryRefused(const QString& name, const QString& reason)
{
    ++m_refused;
    m_console.error(EscapeControls(name) + QStringLiteral(": ") + reason);
}

} // namespace marrowick::cli
