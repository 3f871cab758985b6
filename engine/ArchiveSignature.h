#pragma once

#include <QString>

namespace marrowick {

// Whether a file is one the library would open: a RAR 4 or RAR 5 signature at
// its start or behind a self-extracting stub (the library looks up to 2 MB in).
// Decided by the bytes, so "ARCHIVE.RAR", "archive.r00" and a self-extracting
// program all count; a file that cannot be read does not.
bool HasRarSignature(const QString& path);

} // namespace marrowick
