#include "engine/EntryProperties.h"

#include "engine/EntryDetails.h"
#include "engine/Formats.h"

#include <QDateTime>

namespace marrowick {

namespace {

constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr std::uint8_t kHostUnix = 3;

// ".25" for 2,500,000 units of 100 ns; "" for none.
QString Fraction(std::uint32_t fraction)
{
    if (fraction == 0)
        return {};
    QString digits = QString::number(fraction).rightJustified(7, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return QLatin1Char('.') + digits;
}

std::int64_t Seconds(std::uint64_t ticks)
{
    return static_cast<std::int64_t>(ticks / kTicksPerSecond) - kSecondsFrom1601To1970;
}

QString SplitText(const FileRow& row)
{
    if (row.beginsEarlier && row.continuesAfter)
        return QStringLiteral("Continued from an earlier volume and on the next one");
    if (row.beginsEarlier)
        return QStringLiteral("Continued from an earlier volume");
    if (row.continuesAfter)
        return QStringLiteral("Continued on the next volume");
    return QStringLiteral("No");
}

QString AttributesText(const FileRow& row)
{
    const QString letters = FormatAttributes(row);
    const QString number =
        row.hostOs == kHostUnix
            ? QStringLiteral("%1").arg(row.attributes & 07777, 4, 8, QLatin1Char('0'))
            : QStringLiteral("0x%1").arg(row.attributes, 0, 16);
    return letters.isEmpty() ? number : letters + QStringLiteral(" (") + number + QLatin1Char(')');
}

} // namespace

QString Blake2Hex(const FileRow& row)
{
    const EntryExtras* extras = row.extras.get();
    if (!extras || !extras->hasBlake2)
        return {};
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(extras->blake2.data()), extras->blake2.size())
            .toHex());
}

std::uint32_t ChecksumKey(const FileRow& row)
{
    const EntryExtras* extras = row.extras.get();
    if (!extras || !extras->hasBlake2)
        return row.crc;
    const auto& hash = extras->blake2;
    return std::uint32_t(hash[0]) << 24 | std::uint32_t(hash[1]) << 16 | std::uint32_t(hash[2]) << 8 | hash[3];
}

QString ChecksumCell(const FileRow& row)
{
    const QString hash = Blake2Hex(row);
    return hash.isEmpty() ? FormatCrc(row.crc) : hash.left(8).toUpper() + QChar(0x2026);
}

QString ChecksumToolTip(const FileRow& row)
{
    const QString hash = Blake2Hex(row);
    return hash.isEmpty() ? QString() : QStringLiteral("BLAKE2sp: ") + hash;
}

QString TimeText(std::int64_t seconds, std::uint32_t fraction)
{
    if (seconds == 0 && fraction == 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           Fraction(fraction);
}

QString FileTimeText(std::uint64_t ticks)
{
    if (ticks == 0)
        return {};
    return TimeText(Seconds(ticks), static_cast<std::uint32_t>(ticks % kTicksPerSecond));
}

QString FileTimeIso(std::uint64_t ticks)
{
    if (ticks == 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(Seconds(ticks), Qt::UTC)
               .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           Fraction(static_cast<std::uint32_t>(ticks % kTicksPerSecond)) + QLatin1Char('Z');
}

QString HostSystemName(std::uint8_t hostOs)
{
    static const char* const names[] = {"MS-DOS", "OS/2", "Windows", "Unix", "macOS", "BeOS"};
    return hostOs < std::size(names) ? QLatin1String(names[hostOs])
                                     : QStringLiteral("System %1").arg(hostOs);
}

PropertyLines EntryPropertyLines(const FileRow& row)
{
    PropertyLines lines;
    const qsizetype slash = row.name.lastIndexOf(QLatin1Char('/'));
    lines.append({QStringLiteral("Name"), row.name.mid(slash + 1)});
    lines.append({QStringLiteral("Folder"),
                  slash < 0 ? QStringLiteral("(top level)") : row.name.left(slash)});
    lines.append({QStringLiteral("Kind"), row.isFolder ? QStringLiteral("Folder")
                                          : row.isLink ? QStringLiteral("Link")
                                                       : QStringLiteral("File")});
    if (!row.isFolder) {
        lines.append({QStringLiteral("Size"), BytesText(row.unpSize)});
        lines.append({QStringLiteral("Packed"), BytesText(row.packSize)});
        lines.append({QStringLiteral("Ratio"), FormatRatio(row.packSize, row.unpSize).trimmed()});
    }
    lines.append({QStringLiteral("Modified"), TimeText(row.mtime, row.mtimeFraction)});
    if (const EntryExtras* extras = row.extras.get()) {
        if (extras->ctime != 0)
            lines.append({QStringLiteral("Created"), FileTimeText(extras->ctime)});
        if (extras->atime != 0)
            lines.append({QStringLiteral("Accessed"), FileTimeText(extras->atime)});
    }
    lines.append({QStringLiteral("Attributes"), AttributesText(row)});
    lines.append({QStringLiteral("Host system"), HostSystemName(row.hostOs)});
    if (!row.isFolder) {
        const QString method = MethodName(row.method);
        lines.append({QStringLiteral("Method"),
                      method.isEmpty() ? QStringLiteral("0x%1").arg(row.method, 0, 16) : method});
        if (row.method != 0x30 && row.dictionaryLog != 0)
            lines.append({QStringLiteral("Dictionary"), DictionaryText(row.dictionaryLog)});
        lines.append({QStringLiteral("Version needed"),
                      QStringLiteral("%1.%2").arg(row.version / 10).arg(row.version % 10)});
        const QString hash = Blake2Hex(row);
        lines.append({QStringLiteral("Checksum"),
                      hash.isEmpty() ? QStringLiteral("CRC32 %1").arg(row.crc, 8, 16, QLatin1Char('0')).toUpper()
                                     : QStringLiteral("BLAKE2sp ") + hash});
    }
    lines.append({QStringLiteral("Encrypted"), YesNo(row.isEncrypted)});
    lines.append({QStringLiteral("Split over volumes"), SplitText(row)});
    if (!row.linkTarget.isEmpty() || row.isLink)
        lines.append({QStringLiteral("Link target"), row.linkTarget});
    return lines;
}

} // namespace marrowick
