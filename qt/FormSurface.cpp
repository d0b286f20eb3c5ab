#include "FormSurface.h"

#include "QtColours.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace qtui {

FormSurface::FormSurface(std::span<const forms::LineRow> lines, QWidget* parent)
    : QWidget(parent), lines_(lines) {
    setAutoFillBackground(true);
}

void FormSurface::drawTextOnce(QPoint topLeft, const QString& text, const QColor& colour) {
    const QFontMetrics metrics(font());
    // What lies outside the surface now is never seen, even when the window grows later.
    const QRect box =
        QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())) & rect();
    if (box.isEmpty()) {
        return;
    }
    pending_.append({box, text, colour});
    update(box);
}

void FormSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const forms::LineRow& line : lines_) {
        // As Windows draws a line: from its first point up to, not including, its last.
        painter.setPen(QPen(resolve(line.colour), line.widthPixels, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1), twipsToPixels(line.x2),
                         twipsToPixels(line.y2));
    }
    // Printed text stays behind the controls.
    QRegion clip = event->region();
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            clip -= child->geometry();
        }
    }
    pending_.removeIf([&](const PendingText& line) {
        if (!event->region().intersects(line.box)) {
            return false; // its own paint is still to come
        }
        painter.setClipRegion(clip & line.box);
        painter.setPen(line.colour);
        painter.drawText(line.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line.text);
        return true;
    });
}

} // namespace qtui
