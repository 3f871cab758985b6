#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace marrowick {

class CWinHelp;

// The help file's one name, both for the check and for the open.
inline constexpr char HelpFileName[] = "marrowick-help.html";

// Shows a message with the critical icon and an OK button.
using CriticalMessageBox =
    std::function<void(QWidget* owner, const QString& text, const QString& title)>;

// The Help command: replaces the program-wide help instance (the old one
// closes its help first), then shows the contents of the help file in the
// executable's folder, or says that there is none. Errors of CWinHelp pass
// to the caller.
void LaunchHelp(QWidget* owner);

// The same with the folder to look in and the message box given, for tests.
void LaunchHelp(QWidget* owner, const QString& folder, const CriticalMessageBox& messageBox);

// The program-wide help instance, nullptr before the first launch.
CWinHelp* ProgramHelp();

// Releases the program-wide instance now (it sends its quit request). Runs by
// itself when the application object goes away.
void ReleaseProgramHelp();

} // namespace marrowick
