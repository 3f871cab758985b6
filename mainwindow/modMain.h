#pragma once

#include <QString>

#include <cstdint>

namespace marrowick {

class fMain;

// "Error no." with the error's number, a line break and its description: the
// box of an error a part of the program raised.
QString ErrorNumberText(std::int32_t number, const QString& description);

// Registers the common controls the window uses. Qt needs no registration;
// kept so the start-up sequence reads as it always has. Never throws.
bool InitCommonControlsStart();

// Runs the start-up command line "mode=archive[=password]" on the window: an
// empty line puts it into the no-archive state; X, T and L extract, test or
// list the archive; bad lines get their error boxes.
void ParseCommandLine(fMain& window, const QString& commandLine);

// The Open sequence: asks for an archive in the shared file dialog, lists it
// and makes it the window's archive. Shows any error it meets in the
// "Error no." box, except the dialog's cancel.
void OpenArchive(fMain& window);
// Lists the archive at path and, when it opened, makes it the window's open
// archive. Throws what the run throws.
void ListAndOpen(fMain& window, const QString& path);

} // namespace marrowick
