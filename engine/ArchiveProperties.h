#pragma once

#include "engine/FileRow.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace marrowick {

// One line of a properties view: "Solid" and "Yes". The window shows them as
// a form, marrowick-cli info as "label: value" lines.
struct PropertyLine
{
    QString label;
    QString value;

    // "Label:" as a form shows it, and "Label: value" as a line of text; the
    // colon and its spacing are the language's.
    QString labelText() const;
    QString text() const;
};
using PropertyLines = QList<PropertyLine>;

// What a listing adds up to: the whole archive's, or a selection's rows.
struct ListingTotals
{
    std::int64_t entries = 0;
    std::int64_t files = 0;
    std::int64_t folders = 0;
    std::uint64_t size = 0;
    std::uint64_t packed = 0;
    QString largest;              // the name of the largest file; "" without files
    std::uint64_t largestSize = 0;
    std::int64_t newest = 0;      // mtime seconds since 1970 UTC; 0 without times
    std::int64_t oldest = 0;
    bool anyEncrypted = false;

    void add(const FileRow& row);
};

// An archive as its bytes and the library describe it: the open flags of the
// given volume, its signature, the volumes beside it (by the names the
// library looks for them under), and its listing's totals.
struct ArchiveProperties
{
    QString path;
    std::uint64_t sizeOnDisk = 0; // every volume found, for a set
    int format = 0;               // 4 or 5 by the signature; 0 unknown
    bool solid = false;
    bool volume = false;          // one volume of a set
    int volumeNumber = 0;         // this volume's, 1 for the first; 0 unknown
    int volumesFound = 0;         // of the set, from its first volume on
    bool setComplete = false;     // volumes 1 to the last are all there
    QString firstVolume;          // the file name of the set's first volume
    bool recoveryRecord = false;
    bool locked = false;
    bool encryptedHeaders = false;
    bool encryptedEntries = false;
    bool authenticity = false;    // RAR 4 only: authenticity information
    bool hasComment = false;
    QString comment;
    ListingTotals totals;
};

// openFlags: RAROpenArchiveDataEx::Flags of the given archive.
ArchiveProperties ReadArchiveProperties(const QString& path, std::uint32_t openFlags,
                                        const QString& comment, const ListingTotals& totals);

PropertyLines ArchivePropertyLines(const ArchiveProperties& properties);
// The totals of several entries: count, files, folders, sizes, ratio,
// largest, newest and oldest.
PropertyLines TotalsLines(const ListingTotals& totals);

// "12,345 bytes"; "0 bytes"; "1 file", "2 files"; "1 folder", "2 folders".
QString BytesText(std::uint64_t value);
QString FilesText(std::int64_t count);
QString FoldersText(std::int64_t count);
// "Yes" or "No".
QString YesNo(bool value);

} // namespace marrowick
