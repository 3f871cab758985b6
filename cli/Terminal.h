#pragma once

#include <QString>

#include <atomic>
#include <optional>

namespace marrowick::cli {

bool StdinIsTerminal();
bool StderrIsTerminal();

// Ctrl+C (and SIGTERM, SIGHUP) set a flag that the run polls, so the engine
// can remove its temporary file and close the archive before we exit. A
// second signal exits at once, with the terminal's echo restored.
void InstallCancelHandlers();
bool CancelSignalled();
// The same as a flag a run can look at from wherever it waits.
const std::atomic<bool>& CancelFlag();
// Test hook and broken-pipe path: ask the run to stop as a signal would.
void RequestCancel();

// One line typed on the terminal (stdin), without its line end. nullopt on
// end of input or when a cancel signal arrives while waiting.
std::optional<QString> ReadTerminalLine(bool hideInput);

} // namespace marrowick::cli
