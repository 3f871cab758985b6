#pragma once

#include "engine/FileRow.h"

#include <string>

namespace marrowick::cli {

// Parts of an entry's JSON object (list --json), appended as UTF-8.

// "crc32":"0A1B2C3D", or "blake2sp":"<64 hex digits>" for an entry that has a
// BLAKE2sp hash instead.
void AppendChecksumJson(std::string& out, const FileRow& row);
// What the entry's header says besides its name, sizes and checksum, each
// after a comma: ctime and atime (when stored), attributes, host_os, method
// and dictionary (null for folders), link_target (links only).
void AppendEntryJsonFields(std::string& out, const FileRow& row);

} // namespace marrowick::cli
