#include "SpaceWrappedLabel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace qtui {

QStringList linesAtSpaces(const QString& text, const QFontMetricsF& metrics, qreal width) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        for (const QString& word : paragraph.split(u' ')) {
            const QString longer = line.isNull() ? word : line + u' ' + word;
            if (!line.isNull() && metrics.horizontalAdvance(longer.trimmed()) > width) {
                lines.append(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.append(line);
    }
    return lines;
}

void SpaceWrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF room = contentsRect();
    const QFontMetricsF metrics(font());
    qreal top = room.top();
    for (const QString& line : linesAtSpaces(text(), metrics, room.width())) {
        painter.drawText(QPointF(room.left(), top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
}

} // namespace qtui
