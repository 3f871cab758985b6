#pragma once

#include "cli/CliOptions.h"

#include <QString>

#include <cstddef>

namespace marrowick::cli {

// True when the bytes are not text to show on a terminal: a NUL byte, or
// UTF-8 that is not valid (a sequence cut at the end is taken as whole).
bool LooksBinary(const char* data, std::size_t size);

// marrowick-cli cat ARCHIVE NAME: the entry's data on stdout as it is read.
// Returns the exit status.
int RunCat(const CliOptions& options, QString& password);

} // namespace marrowick::cli
