#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marrowick::reader {

// Locks this process down for reading archives: no new privileges, no file
// opened for writing or changed, no process started or signalled, no socket
// made, and (where the kernel has Landlock) nothing read outside the given
// folders. Returns the SandboxFlags that took effect; what the kernel lacks
// is left out, never an error. Irreversible; call it after everything that
// needs more (loading the library, the locale, the time zone).
std::uint32_t EnterSandbox(const std::vector<std::string>& readableFolders);

} // namespace marrowick::reader
