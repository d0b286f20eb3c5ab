#include "SpaceWrappedLabel.h"

#include "LabelLines.h"

#include <QFontMetricsF>
#include <QPainter>

namespace qtui {

QStringList linesAtSpaces(const QString& text, const QFontMetricsF& metrics, qreal width) {
    QStringList lines;
    for (const std::string& line :
         forms::labelLines(text.toStdString(), width, [&metrics](std::string_view part) {
             return metrics.horizontalAdvance(
                 QString::fromUtf8(part.data(), qsizetype(part.size())));
         })) {
        lines.append(QString::fromStdString(line));
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
