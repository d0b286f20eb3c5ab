#pragma once
// The tables' colours as Qt colours: system colours by the role each number plays in the style's
// palette.

#include "Colours.h"

#include <QColor>

namespace qtui {

QColor systemColour(forms::SystemColour colour);

// Only meaningful for a colour that is set.
QColor resolve(const forms::Colour& colour);

} // namespace qtui
