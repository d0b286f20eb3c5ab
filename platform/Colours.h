#pragma once
// Colours as window descriptions name them: not set, a fixed RGB value, or a system colour by
// its number, resolved against the running system when a window is built.

#include <QColor>
#include <QRgb>

namespace platform {

enum class SystemColour {
    WindowText = 8,
    Highlight = 13,
    ButtonText = 18,
    InactiveCaptionText = 19,
};

struct Colour {
    enum class Source { NotSet, Rgb, System };
    Source source = Source::NotSet;
    QRgb rgb = 0;
    SystemColour system = SystemColour::WindowText;

    static constexpr Colour notSet() { return {}; }
    static constexpr Colour fromRgb(int red, int green, int blue) {
        return {Source::Rgb, qRgb(red, green, blue), SystemColour::WindowText};
    }
    static constexpr Colour fromSystem(SystemColour colour) { return {Source::System, 0, colour}; }
    constexpr bool isSet() const { return source != Source::NotSet; }
};

// The colours that window tables name most often.
inline constexpr Colour notSet = Colour::notSet();
inline constexpr Colour systemButtonText = Colour::fromSystem(SystemColour::ButtonText);
inline constexpr Colour systemHighlight = Colour::fromSystem(SystemColour::Highlight);

QColor systemColour(SystemColour colour);

// Only meaningful for a colour that is set.
QColor resolve(const Colour& colour);

} // namespace platform
