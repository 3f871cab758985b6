#pragma once

#include "engine/ArchiveProperties.h"
#include "engine/FileRow.h"

#include <QString>

#include <cstdint>

namespace marrowick {

// What an entry shows beyond the list's cells: its checksum, times and the
// lines of its properties.

// The CRC column: a CRC32 as FormatCrc writes it; a BLAKE2sp hash as its first
// 8 hexadecimal digits and "…", so that nobody takes it for a CRC32.
QString ChecksumCell(const FileRow& row);
// "BLAKE2sp: " and the whole hash in lower-case hexadecimal; "" for a CRC32.
QString ChecksumToolTip(const FileRow& row);
// What the CRC column sorts by: the CRC32, or the number the first 8 digits
// of a BLAKE2sp hash make.
std::uint32_t ChecksumKey(const FileRow& row);
// The 64 digits of the entry's BLAKE2sp hash; "" when it has none.
QString Blake2Hex(const FileRow& row);

// "2024-01-02 03:04:05" in local time, and the fraction of a second when
// there is one ("03:04:05.25"); "" for 0.
QString TimeText(std::int64_t seconds, std::uint32_t fraction = 0);
// The same from Windows file time (100 ns units since 1601); "" for 0.
QString FileTimeText(std::uint64_t ticks);
// ISO 8601 in UTC with the fraction when there is one; "" for 0.
QString FileTimeIso(std::uint64_t ticks);

// "MS-DOS", "OS/2", "Windows", "Unix", "macOS", "BeOS"; "System N" otherwise.
QString HostSystemName(std::uint8_t hostOs);

PropertyLines EntryPropertyLines(const FileRow& row);

} // namespace marrowick
