#include "mainwindow/modMain.h"

namespace marrowick {

bool InitCommonControlsStart()
{
    return true;
}

} // namespace marrowick
