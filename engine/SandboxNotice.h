#pragma once

#include <QString>

#include <cstdint>

namespace marrowick {

// What the reader's sandbox could not have on this machine. The engine notes
// the SandboxFlags of every opened archive; the first time a layer is missing
// it says so on stderr, once.
void NoteSandbox(std::uint32_t flags);

// One sentence per missing layer, for the About window; empty while nothing
// was missing (or no archive was opened yet).
QString SandboxShortfall();

// The status-bar line for the missing layers the first time it is asked
// after they were noted, and empty from then on.
QString TakeSandboxNotice();

} // namespace marrowick
