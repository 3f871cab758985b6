#include "engine/ArchiveProperties.h"

#include "engine/ArchiveEnd.h"
#include "engine/ArchiveSignature.h"
#include "engine/EntryProperties.h"
#include "engine/Formats.h"
#include "engine/UnrarLibrary.h"
#include "engine/VolumeNames.h"

#include <QFile>
#include <QFileInfo>

namespace marrowick {

namespace {

// Sets far larger than this are not made by rar; the walk stops there.
constexpr int kMaxVolumes = 100000;

// Volumes 1, 2, ... by the names the library looks for them under, up to the
// first one missing past the given volume.
void FindVolumes(ArchiveProperties& properties, bool newNumbering)
{
    const QString& path = properties.path;
    properties.firstVolume = QFileInfo(VolumePath(path, 1, newNumbering)).fileName();
    properties.sizeOnDisk = 0;
    bool gap = false;
    QString last;
    for (int number = 1; number <= kMaxVolumes; ++number) {
        const QString name = number == properties.volumeNumber ? path
                                                                : VolumePath(path, number, newNumbering);
        const QFileInfo info(name);
        if (!info.isFile()) {
            if (number > properties.volumeNumber)
                break;
            gap = true;
            continue;
        }
        ++properties.volumesFound;
        properties.sizeOnDisk += static_cast<std::uint64_t>(info.size());
        last = name;
    }
    // Complete when nothing is missing before the last volume found, and
    // that one's end record says no volume follows.
    QFile file(last);
    properties.setComplete = !gap && file.open(QIODevice::ReadOnly) &&
                             CheckArchiveEnd(file.handle()) == ArchiveEnd::Whole;
}

QString CountText(std::int64_t count, const char* one, const char* many)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

} // namespace

void ListingTotals::add(const FileRow& row)
{
    ++entries;
    if (row.isFolder) {
        ++folders;
    } else {
        ++files;
        if (largest.isEmpty() || row.unpSize > largestSize) {
            largest = row.name;
            largestSize = row.unpSize;
        }
    }
    size += row.unpSize;
    packed += row.packSize;
    if (row.mtime != 0) {
        newest = newest == 0 ? row.mtime : std::max(newest, row.mtime);
        oldest = oldest == 0 ? row.mtime : std::min(oldest, row.mtime);
    }
    anyEncrypted = anyEncrypted || row.isEncrypted;
}

ArchiveProperties ReadArchiveProperties(const QString& path, std::uint32_t openFlags,
                                        const QString& comment, const ListingTotals& totals)
{
    ArchiveProperties properties;
    properties.path = path;
    properties.totals = totals;
    const ArchiveHead head = ReadArchiveHead(path);
    properties.format = head.format;
    properties.solid = (openFlags & ROADF_SOLID) != 0;
    properties.recoveryRecord = (openFlags & ROADF_RECOVERY) != 0;
    properties.locked = (openFlags & ROADF_LOCK) != 0;
    properties.encryptedHeaders = (openFlags & ROADF_ENCHEADERS) != 0;
    properties.encryptedEntries = properties.encryptedHeaders || totals.anyEncrypted;
    properties.authenticity = (openFlags & ROADF_SIGNED) != 0;
    properties.hasComment = (openFlags & ROADF_COMMENT) != 0;
    properties.comment = comment;
    while (properties.comment.endsWith(QLatin1Char('\n')) || properties.comment.endsWith(QLatin1Char('\r')))
        properties.comment.chop(1);
    properties.volume = (openFlags & ROADF_VOLUME) != 0;
    properties.sizeOnDisk = static_cast<std::uint64_t>(QFileInfo(path).size());
    if (!properties.volume)
        return properties;
    const bool newNumbering = (openFlags & ROADF_NEWNUMBERING) != 0;
    // RAR 5 numbers its volumes in their main header. RAR 4 keeps no number
    // there (and the library calls a RAR 4 volume the first whenever no
    // entry in it began earlier): the name's number is the one the library
    // itself goes by to find the next volume.
    properties.volumeNumber = head.volumeNumber;
    if (properties.volumeNumber == 0)
        properties.volumeNumber = PlaceInSet(path, newNumbering).number;
    if (properties.volumeNumber == 0 && (openFlags & ROADF_FIRSTVOLUME))
        properties.volumeNumber = 1;
    FindVolumes(properties, newNumbering);
    return properties;
}

QString BytesText(std::uint64_t value)
{
    return (value == 0 ? QStringLiteral("0") : SizeFormat().text(value)) +
           (value == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
}

QString YesNo(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

PropertyLines TotalsLines(const ListingTotals& totals)
{
    PropertyLines lines;
    lines.append({QStringLiteral("Entries"),
                  QString::number(totals.entries) + QStringLiteral(" (") +
                      CountText(totals.files, "file", "files") + QStringLiteral(", ") +
                      CountText(totals.folders, "folder", "folders") + QLatin1Char(')')});
    lines.append({QStringLiteral("Size"), BytesText(totals.size)});
    lines.append({QStringLiteral("Packed"), BytesText(totals.packed)});
    lines.append({QStringLiteral("Ratio"), FormatRatio(totals.packed, totals.size).trimmed()});
    if (!totals.largest.isEmpty())
        lines.append({QStringLiteral("Largest entry"),
                      totals.largest + QStringLiteral(" (") + BytesText(totals.largestSize) +
                          QLatin1Char(')')});
    if (totals.newest != 0) {
        lines.append({QStringLiteral("Newest"), TimeText(totals.newest)});
        lines.append({QStringLiteral("Oldest"), TimeText(totals.oldest)});
    }
    return lines;
}

PropertyLines ArchivePropertyLines(const ArchiveProperties& p)
{
    PropertyLines lines;
    lines.append({QStringLiteral("Path"), p.path});
    lines.append({p.volume ? QStringLiteral("Size on disk (all volumes)")
                           : QStringLiteral("Size on disk"),
                  BytesText(p.sizeOnDisk)});
    lines.append({QStringLiteral("Format"),
                  p.format == 0 ? QStringLiteral("Unknown") : QStringLiteral("RAR %1").arg(p.format)});
    lines.append({QStringLiteral("Solid"), YesNo(p.solid)});
    if (p.volume) {
        lines.append({QStringLiteral("Volume"), p.volumeNumber == 0
                                                    ? QStringLiteral("Number unknown")
                                                    : QString::number(p.volumeNumber)});
        lines.append({QStringLiteral("Volumes found"),
                      QString::number(p.volumesFound) +
                          (p.setComplete ? QStringLiteral(" (complete set)")
                                         : QStringLiteral(" (incomplete set)"))});
        lines.append({QStringLiteral("First volume"), p.firstVolume});
    } else {
        lines.append({QStringLiteral("Volumes"), QStringLiteral("Not split into volumes")});
    }
    lines.append({QStringLiteral("Recovery record"), YesNo(p.recoveryRecord)});
    lines.append({QStringLiteral("Locked"), YesNo(p.locked)});
    lines.append({QStringLiteral("Encrypted headers"), YesNo(p.encryptedHeaders)});
    lines.append({QStringLiteral("Encrypted entries"), YesNo(p.encryptedEntries)});
    // RAR 5 has no authenticity information.
    if (p.format == 4)
        lines.append({QStringLiteral("Authenticity information"), YesNo(p.authenticity)});
    lines.append({QStringLiteral("Comment"), p.hasComment ? (p.comment.isEmpty()
                                                                 ? QStringLiteral("Yes (unreadable)")
                                                                 : QStringLiteral("Yes"))
                                                          : QStringLiteral("None")});
    lines.append(TotalsLines(p.totals));
    return lines;
}

} // namespace marrowick
