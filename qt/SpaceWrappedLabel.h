#pragma once
// A label whose lines break only at spaces and at its own line breaks, as Windows breaks a
// label's text: "A-Level" stays whole where Qt's own wrapping would break it after the hyphen.

#include <QLabel>
#include <QStringList>

class QFontMetricsF;

namespace qtui {

// The lines `text` takes in `width` pixels, broken as forms::labelLines breaks them.
QStringList linesAtSpaces(const QString& text, const QFontMetricsF& metrics, qreal width);

class SpaceWrappedLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qtui
