#pragma once
// What a window really shows, read from its raster backing store (so text drawn only once is
// seen) in device pixels at any scaling; ink counts; and comparison with reference pictures.

#include "PixelDiff.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

namespace pictures {

inline const QRgb darkRed = qRgb(192, 0, 0);

inline QImage shown(const QWidget& window, QRect area) {
    QCoreApplication::processEvents();
    const auto* pixels = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    const qreal ratio = window.devicePixelRatio();
    return pixels ? pixels->copy(QRect(area.topLeft() * ratio, area.size() * ratio)) : QImage();
}

// Pixels of an area that differ from its background: glyphs, mostly.
inline int inkIn(const QImage& image, QRect area, QRgb background = darkRed) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) != background ? 1 : 0;
        }
    }
    return count;
}

// On a mismatch the actual picture and a difference picture are written to the working folder.
// BRINTAMO_UPDATE_REFERENCES=1 rewrites the reference instead (scripts/update-references.sh);
// review its diff like code.
inline bool matchesReference(const QImage& shown, const QString& folder, const QString& name) {
    const QString file = QStringLiteral("%1-%2x.png").arg(name).arg(shown.devicePixelRatio());
    if (qEnvironmentVariableIsSet("BRINTAMO_UPDATE_REFERENCES")) {
        return shown.save(folder + u'/' + file);
    }
    const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(folder + u'/' + file).convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> difference;
    const int differing = differingPixels(
        file.toStdString(), reinterpret_cast<const std::uint32_t*>(actual.constBits()),
        reinterpret_cast<const std::uint32_t*>(expected.constBits()),
        std::size_t(actual.width() * actual.height()), actual.size() == expected.size(),
        difference);
    if (differing != 0) {
        actual.save(QStringLiteral("actual-") + file);
        QImage(reinterpret_cast<const uchar*>(difference.data()), actual.width(), actual.height(),
               QImage::Format_RGB32)
            .save(QStringLiteral("difference-") + file);
    }
    return differing == 0;
}

} // namespace pictures
