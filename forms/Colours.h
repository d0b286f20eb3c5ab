#pragma once
// Colours as window tables name them: not set, a fixed RGB value, or a system colour by its
// number, which each front end resolves against the running system.

#include <cstdint>

namespace forms {

enum class SystemColour {
    WindowText = 8,
    Highlight = 13,
    ButtonText = 18,
    InactiveCaptionText = 19,
};

struct Colour {
    enum class Source { NotSet, Rgb, System };
    Source source = Source::NotSet;
    std::uint32_t rgb = 0; // 0xRRGGBB
    SystemColour system = SystemColour::WindowText;

    static constexpr Colour fromRgb(int red, int green, int blue) {
        return {Source::Rgb, std::uint32_t(red << 16 | green << 8 | blue),
                SystemColour::WindowText};
    }
    static constexpr Colour fromSystem(SystemColour colour) { return {Source::System, 0, colour}; }
    constexpr bool isSet() const { return source != Source::NotSet; }
};

// The colours that window tables name most often.
inline constexpr Colour notSet{};
inline constexpr Colour systemButtonText = Colour::fromSystem(SystemColour::ButtonText);
inline constexpr Colour systemHighlight = Colour::fromSystem(SystemColour::Highlight);

} // namespace forms
