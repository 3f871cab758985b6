#pragma once

#include "engine/SafeWriter.h"

#include <QString>

#include <vector>

namespace marrowick::test {

struct WalkOptions
{
    QString password;
    // Cancel after this many data chunks of the run were passed on (-1: never).
    int cancelAfterChunks = -1;
};

struct WalkResult
{
    bool opened = false;
    bool cancelled = false;
    int headerResult = 0;
    std::vector<int> processResults; // one per entry the writer accepted
};

// The walk the engine does in extract mode, cut to what the writer needs:
// every entry is tested by the installed library and its data handed to
// the writer. Links against libunrar in the test binary only.
WalkResult ExtractWithWriter(const QString& archive, SafeWriter& writer,
                             const WalkOptions& options = {});

} // namespace marrowick::test
