#pragma once

#include <QString>

#include <cstdint>
#include <deque>

namespace marrowick {

// One archive entry as the file list shows it. The sizes are the library's full
// 64-bit values; the cells are formatted from them when the list asks.
struct FileRow
{
    QString name;          // stored name, "/" separated, folder parts included
    std::uint64_t unpSize = 0;
    std::uint64_t packSize = 0;
    std::uint32_t crc = 0;
    bool isFolder = false;
    bool isEncrypted = false;
    std::int64_t mtime = 0;  // seconds since 1970 UTC; 0 when the header has none
    std::uint32_t attributes = 0; // as the system it was packed on keeps them
    std::uint8_t hostOs = 0;      // that system: 0 MS-DOS, 2 Windows, 3 Unix ...
    std::uint8_t version = 0;     // the format needed to unpack it: 29 (RAR 4), 50 (RAR 5)
    std::uint8_t method = 0;      // 0x30 stored to 0x35 best
    std::uint8_t dictionaryLog = 0; // dictionary of 2^n KB; 0 when the header has none
    // Continued from a volume before the one the run began with (that
    // volume is missing): its data cannot be read from here.
    bool beginsEarlier = false;
    // Links and file references: the target as stored (a symbolic link's
    // relative to its folder, a hard link's or a reference's an entry name).
    QString linkTarget;
    bool isLink = false;     // a symbolic link, hard link or junction
};

// The rows of a listing in stored order. Appending never moves the rows
// already kept: a list of a million entries grows without copying itself.
using FileRowList = std::deque<FileRow>;

} // namespace marrowick
