#include "cli/EntryJson.h"

#include "cli/ConsoleView.h"
#include "engine/EntryDetails.h"
#include "engine/EntryProperties.h"

namespace marrowick::cli {

QString ChecksumJson(const FileRow& row)
{
    const QString hash = Blake2Hex(row);
    if (!hash.isEmpty())
        return QStringLiteral("\"blake2sp\":\"") + hash + QLatin1Char('"');
    return QStringLiteral("\"crc32\":\"") +
           QStringLiteral("%1").arg(row.crc, 8, 16, QLatin1Char('0')).toUpper() + QLatin1Char('"');
}

QString EntryJsonFields(const FileRow& row)
{
    QString text;
    if (const EntryExtras* extras = row.extras.get()) {
        if (extras->ctime != 0)
            text += QStringLiteral(",\"ctime\":\"") + FileTimeIso(extras->ctime) + QLatin1Char('"');
        if (extras->atime != 0)
            text += QStringLiteral(",\"atime\":\"") + FileTimeIso(extras->atime) + QLatin1Char('"');
    }
    text += QStringLiteral(",\"attributes\":") + JsonString(FormatAttributes(row)) +
            QStringLiteral(",\"host_os\":") + JsonString(HostSystemName(row.hostOs));
    const QString method = MethodName(row.method);
    const bool packed = !row.isFolder && !method.isEmpty();
    text += QStringLiteral(",\"method\":") + (packed ? JsonString(method) : QStringLiteral("null"));
    // In bytes; a stored entry needs none.
    const bool dictionary = packed && row.method != 0x30 && row.dictionaryLog != 0;
    text += QStringLiteral(",\"dictionary\":") +
            (dictionary ? QString::number((1ULL << row.dictionaryLog) * 1024) : QStringLiteral("null"));
    if (!row.linkTarget.isEmpty() || row.isLink)
        text += QStringLiteral(",\"link_target\":") + JsonString(row.linkTarget);
    return text;
}

} // namespace marrowick::cli
