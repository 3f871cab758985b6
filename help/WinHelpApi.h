#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace marrowick {

// The help engine's requests. The numbers are the classic ones so a request
// reads the same in a log as it would anywhere else.
enum HelpCommand : unsigned {
    HELP_CONTEXT = 0x0001,
    HELP_QUIT = 0x0002,
    HELP_CONTENTS = 0x0003,
    HELP_HELPONHELP = 0x0004,
    HELP_FINDER = 0x000B,
    HELP_COMMAND = 0x0102,
    HELP_PARTIALKEY = 0x0105,
};

// A request carries either a number (a context number, or 0 when there is
// nothing to say) or a text (a keyword, a macro). Keeping the two apart lets
// a test see exactly what was sent instead of a pointer-sized integer.
using HelpData = std::variant<std::int32_t, QString>;

using WinHelpFunction = int (*)(int hWndMain, const QString& helpFile, unsigned command,
                                const HelpData& data);

// The one entry point into the help engine: non-zero on success, 0 on failure.
int WinHelpA(int hWndMain, const QString& helpFile, unsigned command, const HelpData& data);

// Replaces the engine behind WinHelpA and returns the previous one; nullptr
// puts our own help viewer back. Tests install a recording fake here.
WinHelpFunction SetWinHelpFunction(WinHelpFunction function);

} // namespace marrowick
