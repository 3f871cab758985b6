#pragma once

class QWidget;
class QPixmap;

namespace marrowick {

// Puts a picture beside a menu item: the item at position itemPos (separators
// counted) of the top menu at position topMenu of the window's menu bar. Does
// nothing when the window has no such menu or item.
void SetMenuBitmap(QWidget* hWnd, int topMenu, int itemPos, const QPixmap& picture);

} // namespace marrowick
