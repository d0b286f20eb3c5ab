#pragma once
// A window's client area: its background and lines. Text printed on it is drawn once, straight
// onto the surface, and is not remembered: a later repaint of the same area shows the plain
// background again.

#include "WindowTable.h"

#include <QColor>
#include <QList>
#include <QWidget>

namespace qtui {

class FormSurface : public QWidget {
    Q_OBJECT

public:
    explicit FormSurface(std::span<const forms::LineRow> lines, QWidget* parent = nullptr);

    // Draws `text` with the top-left corner of its line box at `topLeft`, glyphs only.
    void drawTextOnce(QPoint topLeft, const QString& text, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct PendingText {
        QRect box; // within the surface as it was when the text was printed
        QString text;
        QColor colour;
    };
    std::span<const forms::LineRow> lines_; // part of the surface, repainted every time
    // Text waiting for its one paint; emptied by that paint.
    QList<PendingText> pending_;
};

} // namespace qtui
