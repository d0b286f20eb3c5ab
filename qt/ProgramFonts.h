#pragma once
// The fonts the tables name, as Qt fonts: MS Sans Serif where the system has it.

#include "Fonts.h"

#include <QFont>

namespace qtui {

// Makes the free bitmap MS Sans Serif known to Qt when the system has it (Debian's fonts-wine
// keeps it outside fontconfig's path). Call once, before any window is built.
void loadProgramFonts();

// The bitmap font has a single strike, the one that fits the 8.25 pt default font at 100 %; any
// other size, and any scaling above 100 %, uses Liberation Sans, whose narrow metrics keep the
// texts inside their controls. Sizes are in logical pixels (96 per inch).
QFont programFont(const forms::FontSpec& wanted, qreal devicePixelRatio);

} // namespace qtui
