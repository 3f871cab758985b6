#pragma once

#include <QString>

namespace marrowick {

class fMain;

// File > Extract Here: the open archive's content beside it, by the engine's
// Extract Here rule; then a box that says where it went, with "Open Folder".
// Returns what was made (empty: nothing).
QString ExtractHereCommand(fMain& window);

} // namespace marrowick
