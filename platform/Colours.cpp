#include "Colours.h"

#include <QApplication>
#include <QPalette>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

QColor systemColour(SystemColour colour) {
#ifdef Q_OS_WIN
    const COLORREF value = GetSysColor(static_cast<int>(colour));
    return QColor(GetRValue(value), GetGValue(value), GetBValue(value));
#else
    // Elsewhere the colours come from the style's palette, by the role each number plays.
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case SystemColour::WindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case SystemColour::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case SystemColour::ButtonText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case SystemColour::InactiveCaptionText:
        // Title texts of inactive windows are a light grey on classic desktops.
        return palette.color(QPalette::Active, QPalette::Window);
    }
    return {};
#endif
}

QColor resolve(const Colour& colour) {
    return colour.source == Colour::Source::Rgb ? QColor(colour.rgb) : systemColour(colour.system);
}

} // namespace platform
