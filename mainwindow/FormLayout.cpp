#include "mainwindow/FormLayout.h"

#include <cmath>

namespace marrowick {

float RoundHalfEven(float value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

FormLayoutResult ComputeFormLayout(const FormLayoutInput& in)
{
    FormLayoutResult out;
    out.list = in.current;

    out.list.top = in.toolbarTop + in.toolbarHeight;
    out.list.left = 30.0f;

    const float width = in.clientWidth - 60.0f;
    if (width >= 0)
        out.list.width = width;

    const float height = in.clientHeight - (in.toolbarHeight + in.statusHeight + 30.0f);
    if (height >= 0)
        out.list.height = height;

    const float w = RoundHalfEven(out.list.width / 10.0f);
    if (w >= 0) {
        out.columnWidths = {4 * w, w, w, w};
        out.columnsSet = true;
    }

    if (in.clientWidth >= 0) {
        out.statusWidth = in.clientWidth;
        out.statusWidthSet = true;
    }
    return out;
}

} // namespace marrowick
