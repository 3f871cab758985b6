#include "help/WindowHandles.h"

#include <QHash>
#include <QObject>
#include <QWidget>

namespace marrowick {

namespace {

struct Registry
{
    QHash<int, QWidget*> widgets;
    QHash<const QWidget*, int> handles;
    int last = 0;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

int WindowHandle(QWidget* widget)
{
    if (!widget)
        return 0;
    Registry& r = registry();
    if (const auto it = r.handles.constFind(widget); it != r.handles.constEnd())
        return it.value();
    // Positive and never reused; two billion windows in one run is not a concern.
    const int handle = ++r.last;
    r.widgets.insert(handle, widget);
    r.handles.insert(widget, handle);
    QObject::connect(widget, &QObject::destroyed, [handle, widget] {
        Registry& reg = registry();
        reg.widgets.remove(handle);
        reg.handles.remove(widget);
    });
    return handle;
}

bool IsWindow(int hWnd)
{
    return WidgetForHandle(hWnd) != nullptr;
}

QWidget* WidgetForHandle(int hWnd)
{
    return registry().widgets.value(hWnd, nullptr);
}

} // namespace marrowick
