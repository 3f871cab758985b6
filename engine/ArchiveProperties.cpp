#include "engine/ArchiveProperties.h"

#include "engine/ArchiveEnd.h"
#include "engine/ArchiveSignature.h"
#include "engine/EntryProperties.h"
#include "engine/Formats.h"
#include "engine/UnrarLibrary.h"
#include "engine/VolumeNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>

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

// A listing's counts fit an int: its rows are counted in one.
int Count(std::int64_t count)
{
    return static_cast<int>(std::clamp<std::int64_t>(count, 0, INT_MAX));
}

} // namespace

QString FilesText(std::int64_t count)
{
    const int n = Count(count);
    return PluralText("%n file(s)",
                      QCoreApplication::translate("ArchiveProperties", "%n file(s)", nullptr, n),
                      n);
}

QString FoldersText(std::int64_t count)
{
    const int n = Count(count);
    return PluralText("%n folder(s)",
                      QCoreApplication::translate("ArchiveProperties", "%n folder(s)", nullptr, n),
                      n);
}

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
    const int n = PluralNumber(value);
    //: %1 is the size in bytes, its digits grouped
    return PluralText("%1 byte(s)",
                      QCoreApplication::translate("ArchiveProperties", "%1 byte(s)", nullptr, n), n)
        .arg(value == 0 ? QStringLiteral("0") : SizeFormat().text(value));
}

QString YesNo(bool value)
{
    return value ? QCoreApplication::translate("ArchiveProperties", "Yes")
                 : QCoreApplication::translate("ArchiveProperties", "No");
}

QString PropertyLine::labelText() const
{
    //: A property's label before its value in the Properties dialog
    return QCoreApplication::translate("ArchiveProperties", "%1:").arg(label);
}

QString PropertyLine::text() const
{
    //: A property as a line of text: %1 its label, %2 its value
    return QCoreApplication::translate("ArchiveProperties", "%1: %2").arg(label, value);
}

PropertyLines TotalsLines(const ListingTotals& totals)
{
    PropertyLines lines;
    //: How many entries, then how many of them are files and folders
    lines.append({QCoreApplication::translate("ArchiveProperties", "Entries"),
                  //: %1 the number of entries, %2 "%n file(s)", %3 "%n folder(s)"
                  QCoreApplication::translate("ArchiveProperties", "%1 (%2, %3)")
                      .arg(QString::number(totals.entries), FilesText(totals.files),
                           FoldersText(totals.folders))});
    //: The unpacked size
    lines.append(
        {QCoreApplication::translate("ArchiveProperties", "Size"), BytesText(totals.size)});
    //: The packed size
    lines.append(
        {QCoreApplication::translate("ArchiveProperties", "Packed"), BytesText(totals.packed)});
    //: Packed size to unpacked size, in per cent
    lines.append({QCoreApplication::translate("ArchiveProperties", "Ratio"),
                  FormatRatio(totals.packed, totals.size).trimmed()});
    if (!totals.largest.isEmpty())
        lines.append({QCoreApplication::translate("ArchiveProperties", "Largest entry"),
                      //: %1 the entry's name, %2 its size
                      QCoreApplication::translate("ArchiveProperties", "%1 (%2)")
                          .arg(totals.largest, BytesText(totals.largestSize))});
    if (totals.newest != 0) {
        //: The latest modification time of the entries
        lines.append(
            {QCoreApplication::translate("ArchiveProperties", "Newest"), TimeText(totals.newest)});
        //: The earliest modification time of the entries
        lines.append(
            {QCoreApplication::translate("ArchiveProperties", "Oldest"), TimeText(totals.oldest)});
    }
    return lines;
}

PropertyLines ArchivePropertyLines(const ArchiveProperties& p)
{
    PropertyLines lines;
    lines.append({QCoreApplication::translate("ArchiveProperties", "Path"), p.path});
    lines.append(
        {p.volume ? QCoreApplication::translate("ArchiveProperties", "Size on disk (all volumes)")
                  : QCoreApplication::translate("ArchiveProperties", "Size on disk"),
         BytesText(p.sizeOnDisk)});
    lines.append({QCoreApplication::translate("ArchiveProperties", "Format"),
                  p.format == 0 ? QCoreApplication::translate("ArchiveProperties", "Unknown")
                                : QStringLiteral("RAR %1").arg(p.format)});
    //: Whether the archive is solid (its entries packed as one stream)
    lines.append({QCoreApplication::translate("ArchiveProperties", "Solid"), YesNo(p.solid)});
    if (p.volume) {
        //: The number of this volume in its set
        lines.append({QCoreApplication::translate("ArchiveProperties", "Volume"),
                      p.volumeNumber == 0
                          ? QCoreApplication::translate("ArchiveProperties", "Number unknown")
                          : QString::number(p.volumeNumber)});
        lines.append({QCoreApplication::translate("ArchiveProperties", "Volumes found"),
                      //: %1 is how many volumes of the set were found
                      p.setComplete
                          ? QCoreApplication::translate("ArchiveProperties", "%1 (complete set)")
                                .arg(p.volumesFound)
                          : QCoreApplication::translate("ArchiveProperties", "%1 (incomplete set)")
                                .arg(p.volumesFound)});
        lines.append(
            {QCoreApplication::translate("ArchiveProperties", "First volume"), p.firstVolume});
    } else {
        lines.append({QCoreApplication::translate("ArchiveProperties", "Volumes"),
                      QCoreApplication::translate("ArchiveProperties", "Not split into volumes")});
    }
    lines.append({QCoreApplication::translate("ArchiveProperties", "Recovery record"),
                  YesNo(p.recoveryRecord)});
    //: Whether the archive is locked against changes
    lines.append({QCoreApplication::translate("ArchiveProperties", "Locked"), YesNo(p.locked)});
    lines.append({QCoreApplication::translate("ArchiveProperties", "Encrypted headers"),
                  YesNo(p.encryptedHeaders)});
    lines.append({QCoreApplication::translate("ArchiveProperties", "Encrypted entries"),
                  YesNo(p.encryptedEntries)});
    // RAR 5 has no authenticity information.
    if (p.format == 4)
        lines.append({QCoreApplication::translate("ArchiveProperties", "Authenticity information"),
                      YesNo(p.authenticity)});
    const QString comment =
        !p.hasComment         ? QCoreApplication::translate("ArchiveProperties", "None")
        : p.comment.isEmpty() ? QCoreApplication::translate("ArchiveProperties", "Yes (unreadable)")
                              : QCoreApplication::translate("ArchiveProperties", "Yes");
    lines.append({QCoreApplication::translate("ArchiveProperties", "Comment"), comment});
    lines.append(TotalsLines(p.totals));
    return lines;
}

} // namespace marrowick
