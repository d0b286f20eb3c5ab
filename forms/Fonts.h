#pragma once
// Fonts as window tables name them: MS Sans Serif in points, regular or bold.

namespace forms {

struct FontSpec {
    double points = 8.25;
    bool bold = false;

    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

inline constexpr FontSpec defaultFont{};

// MS Sans Serif is a bitmap font whose strikes fit only the default font at 100 %; any other size
// or scaling takes an outline font of the same build, which scales cleanly and keeps every text
// inside its control. Both front ends choose alike, so their labels break at the same words.
constexpr bool takesBitmapFont(FontSpec font, double scale) {
    return font == defaultFont && scale <= 1.0;
}

} // namespace forms
