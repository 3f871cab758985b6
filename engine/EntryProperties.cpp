#include "engine/EntryProperties.h"

#include "engine/EntryDetails.h"
#include "engine/Formats.h"

#include <QCoreApplication>
#include <QDateTime>

namespace marrowick {

namespace {

constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr std::uint8_t kHostUnix = 3;
// Names, not words: the same in every language and in the JSON output.
const char* const kHostNames[] = {"MS-DOS", "OS/2", "Windows", "Unix", "macOS", "BeOS"};

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
        return QCoreApplication::translate("EntryProperties",
                                           "Continued from an earlier volume and on the next one");
    if (row.beginsEarlier)
        return QCoreApplication::translate("EntryProperties", "Continued from an earlier volume");
    if (row.continuesAfter)
        return QCoreApplication::translate("EntryProperties", "Continued on the next volume");
    //: The entry is not split over volumes
    return QCoreApplication::translate("EntryProperties", "No");
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

QString HostSystemText(std::uint8_t hostOs)
{
    if (hostOs < std::size(kHostNames))
        return QLatin1String(kHostNames[hostOs]);
    //: The operating system an entry was packed on, by its number
    return QCoreApplication::translate("EntryProperties", "System %1").arg(hostOs);
}

// The method's name in the user's language, its number for one without.
QString MethodValue(std::uint8_t method)
{
    const QString name = MethodText(method);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(method, 0, 16) : name;
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
    return hostOs < std::size(kHostNames) ? QLatin1String(kHostNames[hostOs])
                                          : QStringLiteral("System %1").arg(hostOs);
}

PropertyLines EntryPropertyLines(const FileRow& row)
{
    PropertyLines lines;
    const qsizetype slash = row.name.lastIndexOf(QLatin1Char('/'));
    lines.append({QCoreApplication::translate("EntryProperties", "Name"), row.name.mid(slash + 1)});
    //: The folder the entry is in
    lines.append({QCoreApplication::translate("EntryProperties", "Folder"),
                  slash < 0 ? QCoreApplication::translate("EntryProperties", "(top level)")
                            : row.name.left(slash)});
    //: What the entry is: a folder, a link or a file
    const QString kind = row.isFolder ? QCoreApplication::translate("EntryProperties", "Folder",
                                                                    "kind of entry")
                         : row.isLink ? QCoreApplication::translate("EntryProperties", "Link")
                                      : QCoreApplication::translate("EntryProperties", "File");
    lines.append({QCoreApplication::translate("EntryProperties", "Kind"), kind});
    if (!row.isFolder) {
        //: The unpacked size
        lines.append(
            {QCoreApplication::translate("EntryProperties", "Size"), BytesText(row.unpSize)});
        //: The packed size
        lines.append(
            {QCoreApplication::translate("EntryProperties", "Packed"), BytesText(row.packSize)});
        //: Packed size to unpacked size, in per cent
        lines.append({QCoreApplication::translate("EntryProperties", "Ratio"),
                      FormatRatio(row.packSize, row.unpSize).trimmed()});
    }
    lines.append({QCoreApplication::translate("EntryProperties", "Modified"),
                  TimeText(row.mtime, row.mtimeFraction)});
    if (const EntryExtras* extras = row.extras.get()) {
        if (extras->ctime != 0)
            lines.append({QCoreApplication::translate("EntryProperties", "Created"),
                          FileTimeText(extras->ctime)});
        if (extras->atime != 0)
            lines.append({QCoreApplication::translate("EntryProperties", "Accessed"),
                          FileTimeText(extras->atime)});
    }
    lines.append(
        {QCoreApplication::translate("EntryProperties", "Attributes"), AttributesText(row)});
    lines.append({QCoreApplication::translate("EntryProperties", "Host system"),
                  HostSystemText(row.hostOs)});
    if (!row.isFolder) {
        //: The compression method
        lines.append(
            {QCoreApplication::translate("EntryProperties", "Method"), MethodValue(row.method)});
        if (row.method != 0x30 && row.dictionaryLog != 0)
            //: The compression dictionary's size
            lines.append({QCoreApplication::translate("EntryProperties", "Dictionary"),
                          DictionaryText(row.dictionaryLog)});
        lines.append({QCoreApplication::translate("EntryProperties", "Version needed"),
                      QStringLiteral("%1.%2").arg(row.version / 10).arg(row.version % 10)});
        const QString hash = Blake2Hex(row);
        lines.append(
            {QCoreApplication::translate("EntryProperties", "Checksum"),
             hash.isEmpty()
                 ? QStringLiteral("CRC32 %1").arg(row.crc, 8, 16, QLatin1Char('0')).toUpper()
                 : QStringLiteral("BLAKE2sp ") + hash});
    }
    lines.append(
        {QCoreApplication::translate("EntryProperties", "Encrypted"), YesNo(row.isEncrypted)});
    lines.append(
        {QCoreApplication::translate("EntryProperties", "Split over volumes"), SplitText(row)});
    if (!row.linkTarget.isEmpty() || row.isLink)
        lines.append(
            {QCoreApplication::translate("EntryProperties", "Link target"), row.linkTarget});
    return lines;
}

} // namespace marrowick
