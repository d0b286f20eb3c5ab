#pragma once
// The fonts the tables name, as Qt fonts: MS Sans Serif where the system has it.

#include "Fonts.h"

#include <QFont>

namespace qtui {

// Makes the free bitmap MS Sans Serif known to Qt when the system has it (Debian's fonts-wine
// keeps it outside fontconfig's path). Call once, before any window is built.
void loadProgramFonts();

// Where the bitmap font does not fit (forms::takesBitmapFont), Liberation Sans, the outline font
// that Wine also gives for Microsoft Sans Serif. Sizes are in logical pixels (96 per inch).
QFont programFont(const forms::FontSpec& wanted, qreal devicePixelRatio);

} // namespace qtui
