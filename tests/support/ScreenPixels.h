#pragma once
// Reading what a window really shows: its client surface as the screen has it, and the count of
// pixels in an area that differ from a background colour (glyphs, mostly).

#include "platform/Form.h"

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QScreen>

namespace testpixels {

inline const QRgb darkRed = qRgb(192, 0, 0);

// Taken from the screen, not rendered afresh, so that text drawn only once is seen as it is.
inline QImage shownSurface(const platform::Form& form) {
    QCoreApplication::processEvents();
    const QPoint origin = form.surface()->mapTo(&form, QPoint(0, 0));
    return form.screen()
        ->grabWindow(form.winId(), origin.x(), origin.y(), form.surface()->width(),
                     form.surface()->height())
        .toImage();
}

inline int inkIn(const QImage& image, QRect area, QRgb background = darkRed) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) != background ? 1 : 0;
        }
    }
    return count;
}

} // namespace testpixels
