// The loader the preview pane reads entries with: the engine's read of one
// entry into memory, through the reader, never through the disk.
#include "engine/EntryPreview.h"
#include "mainwindow/PreviewPane.h"

namespace marrowick {

EntryLoader DefaultEntryLoader()
{
    return ReadEntryIntoMemory;
}

} // namespace marrowick
