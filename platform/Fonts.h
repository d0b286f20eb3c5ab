#pragma once
// Fonts as window descriptions name them: MS Sans Serif in points, regular or bold.

#include <QFont>

namespace platform {

struct FontSpec {
    double points = 8.25;
    bool bold = false;

    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

inline constexpr FontSpec defaultFont{};

// Makes the free bitmap MS Sans Serif known to Qt when the system has it (Debian's fonts-wine
// keeps it outside fontconfig's path). Call once, before any window is built.
void loadProgramFonts();

// The bitmap font has a single strike, the one that fits the 8.25 pt default font at 100 %; any
// other size, and any scaling above 100 %, uses Liberation Sans, whose narrow metrics keep the
// texts inside their controls. Sizes are in logical pixels (96 per inch).
QFont programFont(const FontSpec& wanted, qreal devicePixelRatio);

} // namespace platform
