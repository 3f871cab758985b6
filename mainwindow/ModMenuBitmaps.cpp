#include "mainwindow/ModMenuBitmaps.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

namespace marrowick {

void SetMenuBitmap(QWidget* hWnd, int topMenu, int itemPos, const QPixmap& picture)
{
    auto* window = qobject_cast<QMainWindow*>(hWnd);
    if (!window || !window->menuWidget())
        return;
    const QList<QAction*> tops = window->menuBar()->actions();
    if (topMenu < 0 || topMenu >= tops.size() || !tops[topMenu]->menu())
        return;
    const QList<QAction*> items = tops[topMenu]->menu()->actions();
    if (itemPos < 0 || itemPos >= items.size() || items[itemPos]->isSeparator())
        return;
    items[itemPos]->setIcon(QIcon(picture));
}

} // namespace marrowick
