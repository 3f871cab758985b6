#pragma once

#include <array>
#include <optional>

namespace marrowick {

// Geometry of the file list in twips, relative to the window's client area.
struct ListGeometry
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct FormLayoutInput
{
    float clientWidth = 0;
    float clientHeight = 0;
    float toolbarTop = 0;
    float toolbarHeight = 0;
    float statusHeight = 0;
    ListGeometry current; // the list as it stands before the rules run
};

// The result of the resize rules. A value the list would refuse (a negative
// width or height) leaves that step undone: the field keeps the list's current
// value. Column widths are for columns 1 to 4; column 5 is never touched.
struct FormLayoutResult
{
    ListGeometry list;
    std::array<float, 4> columnWidths{};
    bool columnsSet = false;
    float statusWidth = 0;
    bool statusWidthSet = false;
};

// Rounds to the nearest whole number, halves to the even neighbour.
float RoundHalfEven(float value);

// Single-precision arithmetic in twips:
// top = toolbar top + height, left = 30, width = client - 60,
// height = client - (toolbar + status + 30), w = round(width / 10),
// columns 4w, w, w, w, status bar = client width.
FormLayoutResult ComputeFormLayout(const FormLayoutInput& in);

} // namespace marrowick
