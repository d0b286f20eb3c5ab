#pragma once
// What a window really shows, read from its raster backing store (so text drawn only once is
// seen) in device pixels at any scaling; ink counts; and comparison with reference pictures.

#include <QBackingStore>
#include <QCoreApplication>
#include <QDebug>
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

// Pixel for pixel. On a mismatch the actual picture and a difference picture (differing pixels
// in magenta) are written to the working folder. BRINTAMO_UPDATE_REFERENCES=1 rewrites the
// reference instead (scripts/update-references.sh); review its diff like code.
inline bool matchesReference(const QImage& shown, const QString& folder, const QString& name) {
    const QString file = QStringLiteral("%1-%2x.png").arg(name).arg(shown.devicePixelRatio());
    if (qEnvironmentVariableIsSet("BRINTAMO_UPDATE_REFERENCES")) {
        return shown.save(folder + u'/' + file);
    }
    const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(folder + u'/' + file).convertToFormat(QImage::Format_RGB32);
    QImage difference = actual;
    int differing = actual.size() == expected.size() ? 0 : -1;
    for (int i = 0; differing >= 0 && i < actual.width() * actual.height(); ++i) {
        const QPoint at(i % actual.width(), i / actual.width());
        const bool same = actual.pixel(at) == expected.pixel(at);
        differing += same ? 0 : 1;
        difference.setPixel(at, same ? qRgb(qGray(actual.pixel(at)) / 4, 0, 0) : 0xffff00ff);
    }
    if (differing != 0) {
        qWarning() << file << (differing < 0 ? "has another size" : "differs in") << differing
                   << "pixels; see actual-" + file << "and difference-" + file;
        actual.save(QStringLiteral("actual-") + file);
        difference.save(QStringLiteral("difference-") + file);
    }
    return differing == 0;
}

} // namespace pictures
