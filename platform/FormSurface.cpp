#include "FormSurface.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace platform {

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
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
    if (pending_.isEmpty()) {
        return;
    }
    // Printed text stays behind the controls, including where a control's corners are rounded.
    QRegion clip = event->region();
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            clip -= child->geometry();
        }
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
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

} // namespace platform
