#pragma once

#include <QString>

namespace marrowick {

// Whether a file is one the library would open: a RAR 4 or RAR 5 signature at
// its start or behind a self-extracting stub (the library looks up to 2 MB in).
// Decided by the bytes, so "ARCHIVE.RAR", "archive.r00" and a self-extracting
// program all count; a file that cannot be read does not.
bool HasRarSignature(const QString& path);

// What the first bytes of an archive say about it.
struct ArchiveHead
{
    int format = 0;       // 4 (RAR 1.5 to 4.x) or 5; 0 without a signature
    // RAR 5 keeps a later volume's number in its main header (in the clear
    // unless the headers are encrypted): 2 for the second volume ..., 1 for
    // a main header without one (the first volume, or no volume at all); 0
    // when it cannot be read there (RAR 4, encrypted headers).
    int volumeNumber = 0;
};
ArchiveHead ReadArchiveHead(const QString& path);

} // namespace marrowick
