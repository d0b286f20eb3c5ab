#pragma once
// Fonts as window tables name them: MS Sans Serif in points, regular or bold.

namespace forms {

struct FontSpec {
    double points = 8.25;
    bool bold = false;

    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

inline constexpr FontSpec defaultFont{};

} // namespace forms
