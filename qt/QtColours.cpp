#include "QtColours.h"

#include <QApplication>
#include <QPalette>

namespace qtui {

QColor systemColour(forms::SystemColour colour) {
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case forms::SystemColour::WindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case forms::SystemColour::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case forms::SystemColour::ButtonText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case forms::SystemColour::InactiveCaptionText:
        // Title texts of inactive windows are a light grey on classic desktops.
        return palette.color(QPalette::Active, QPalette::Window);
    }
    return {};
}

QColor resolve(const forms::Colour& colour) {
    return colour.source == forms::Colour::Source::Rgb ? QColor(QRgb(0xff000000U | colour.rgb))
                                                       : systemColour(colour.system);
}

} // namespace qtui
