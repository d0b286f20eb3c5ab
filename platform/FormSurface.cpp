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
    const QRect box(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
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
    painter.setClipRegion(clip);
    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
    pending_.removeIf([&](const PendingText& line) {
        if (!event->region().intersects(line.box)) {
            return false; // its own paint is still to come
        }
        painter.setPen(line.colour);
        painter.drawText(line.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line.text);
        return true;
    });
}

} // namespace platform
