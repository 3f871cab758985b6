#pragma once

#include <cstdint>
#include <string>

// RAR 4 keeps a Unix symbolic link's target as the entry's stored data, which
// the library reads only when it makes the link itself, never in a test; the
// reader finds it here, in the volume file, by the entry's place in it.
namespace marrowick {

// Where a walk of one volume's block chain got to, so that the next entry's
// search goes on from there. A new volume starts from a new cursor.
struct Rar4Cursor
{
    std::uint64_t offset = 0; // the next block; 0: the signature is not found yet
    std::uint32_t entry = 0;  // the entry of that block, counted from 0
    bool failed = false;      // not a RAR 4 volume, or its chain is broken
};

// The data of the entry-th entry that starts in the volume (a file header not
// continued from the previous volume), when its CRC32 matches crc. Empty when
// it cannot be read: another format, encrypted headers or entry, a split
// entry, more than 4095 bytes, or data that does not match.
std::string Rar4LinkTarget(int fd, Rar4Cursor& cursor, std::uint32_t entry, std::uint32_t crc);

} // namespace marrowick
