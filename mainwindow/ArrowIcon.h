#pragma once
#include <QIcon>

namespace marrowick {

// An arrow drawn in the palette's button text colour at paint time (greyed when
// disabled), so it stays visible with a dark colour scheme and sharp at any scale,
// whatever the icon theme offers.
QIcon ArrowIcon(Qt::ArrowType direction);

} // namespace marrowick
