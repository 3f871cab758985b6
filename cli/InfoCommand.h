#pragma once

#include "cli/CliOptions.h"
#include "engine/ArchiveProperties.h"

#include <QString>

namespace marrowick::cli {

// The one JSON object of `info --json`.
QString PropertiesJson(const ArchiveProperties& properties);

// marrowick-cli info [--json] ARCHIVE: lists the archive without printing its
// entries, then prints its properties. Returns the exit status.
int RunInfo(const CliOptions& options, QString& password);

} // namespace marrowick::cli
