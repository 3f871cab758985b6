#pragma once

class QWidget;

namespace marrowick {

// Window handles as the help layer knows them: a 32-bit number, 0 meaning no
// window. Qt has no such numbers, so we hand them out ourselves. A widget gets
// its handle on first request and keeps it for its life; a handle is never
// reused, so a stale number can not come to name another window. UI thread
// only, like the widgets themselves.
int WindowHandle(QWidget* widget);

// True when the handle names a widget that is still alive.
bool IsWindow(int hWnd);

// The widget behind a handle, or nullptr when it names none.
QWidget* WidgetForHandle(int hWnd);

} // namespace marrowick
