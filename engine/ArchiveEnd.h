#pragma once

#include <cstddef>

// Whether an archive file really ends where the library stopped reading.
//
// libunrar answers ERAR_END_ARCHIVE both for an archive that ends and for one
// whose last header was cut off (a download that stopped early), so after it
// does, the caller walks the block chain here: RAR 4 and RAR 5, header sizes
// and data sizes, up to the end-of-archive record or the end of the file.
// Nothing is decompressed or decrypted; every size field is checked against
// the file size before it is used. The answers match `unrar t`: a copy that
// ends exactly on a whole block (even without its end-of-archive record) is
// Whole, as `unrar t` accepts it.
//
// What is Cut:
//  - a header, or the data of an entry, that runs past the end of the file;
//  - a signature with no archive header after it (or a file that is only the
//    start of a signature);
//  - an end-of-archive record that says another volume follows: call this on
//    the last volume read;
//  - with encrypted RAR 5 headers (-hp), where only the lengths can be seen:
//    a file that does not end on a whole 16-byte encrypted block, unless the
//    recovery record (stored in the clear) accounts for the odd length.
// Anything not recognised, damaged rather than short (a header CRC that does
// not match), unreadable, or encrypted RAR 4 headers is Whole: the library
// already had its say about those.
namespace marrowick {

enum class ArchiveEnd
{
    Whole,
    Cut
};

// Reads through pread on an open, read-only descriptor; the offset of the
// descriptor is left alone.
ArchiveEnd CheckArchiveEnd(int fd);
// The same over bytes in memory (fuzzing, tests).
ArchiveEnd CheckArchiveEnd(const unsigned char* data, std::size_t size);

} // namespace marrowick
