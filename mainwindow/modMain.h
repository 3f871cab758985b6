#pragma once

namespace marrowick {

// Registers the common controls the window uses. Qt needs no registration;
// kept so the start-up sequence reads as it always has. Never throws.
bool InitCommonControlsStart();

} // namespace marrowick
