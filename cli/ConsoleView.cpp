#include "cli/ConsoleView.h"

#include "cli/Console.h"
#include "cli/EntryJson.h"
#include "cli/Terminal.h"
#include "engine/EntryProperties.h"
#include "engine/Formats.h"
#include "engine/Messages.h"

#include <QDateTime>

namespace marrowick::cli {

QString JsonString(const QString& text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            quoted += QStringLiteral("\\\"");
            break;
        case u'\\':
            quoted += QStringLiteral("\\\\");
            break;
        case u'\n':
            quoted += QStringLiteral("\\n");
            break;
        case u'\t':
            quoted += QStringLiteral("\\t");
            break;
        case u'\r':
            quoted += QStringLiteral("\\r");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f ||
                (c.unicode() >= 0x80 && c.unicode() < 0xa0))
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

namespace {

QLatin1StringView Bool(bool value)
{
    return value ? QLatin1StringView("true") : QLatin1StringView("false");
}

} // namespace

QString RowText(const FileRow& row)
{
    const QChar tab = QLatin1Char('\t');
    const QString target =
        row.linkTarget.isEmpty() ? QString() : QStringLiteral(" -> ") + EscapeControls(row.linkTarget);
    // A sixth field only on an entry whose start is in a volume not there.
    return EscapeControls(row.name) + target + tab + FormatSize(row.unpSize) + tab +
           FormatSize(row.packSize) + tab + FormatRatio(row.packSize, row.unpSize) + tab +
           ChecksumCell(row) +
           (row.beginsEarlier ? tab + BeginsEarlierText().toLower() : QString());
}

QString RowJson(const FileRow& row)
{
    const QString mtime =
        row.mtime == 0
            ? QStringLiteral("null")
            : JsonString(QDateTime::fromSecsSinceEpoch(row.mtime, Qt::UTC).toString(Qt::ISODate));
    return QStringLiteral("{\"name\":") + JsonString(row.name) + QStringLiteral(",\"size\":") +
           QString::number(row.unpSize) + QStringLiteral(",\"packed\":") +
           QString::number(row.packSize) + QLatin1Char(',') + ChecksumJson(row) +
           QStringLiteral(",\"encrypted\":") + Bool(row.isEncrypted) +
           QStringLiteral(",\"folder\":") + Bool(row.isFolder) + QStringLiteral(",\"mtime\":") +
           mtime + (row.beginsEarlier ? QStringLiteral(",\"beginsEarlier\":true") : QString()) +
           (row.linkTarget.isEmpty() && !row.isLink
                ? QString()
                : QStringLiteral(",\"target\":") + JsonString(row.linkTarget)) +
           EntryJsonFields(row) + QLatin1Char('}');
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
    QString text;
    for (const FileRow& row : rows) {
        text += m_format == ListFormat::Json ? RowJson(row) : RowText(row);
        text += QLatin1Char('\n');
    }
    m_rows += static_cast<std::int64_t>(rows.size());
    if (!CancelSignalled())
        m_console.out(text.toUtf8());
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
