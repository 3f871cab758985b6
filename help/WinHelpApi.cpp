#include "help/WinHelpApi.h"

#include "help/HelpViewer.h"

namespace marrowick {

namespace {

WinHelpFunction g_engine = &HelpViewerWinHelp;

} // namespace

int WinHelpA(int hWndMain, const QString& helpFile, unsigned command, const HelpData& data)
{
    return g_engine(hWndMain, helpFile, command, data);
}

WinHelpFunction SetWinHelpFunction(WinHelpFunction function)
{
    const WinHelpFunction previous = g_engine;
    g_engine = function ? function : &HelpViewerWinHelp;
    return previous;
}

} // namespace marrowick
