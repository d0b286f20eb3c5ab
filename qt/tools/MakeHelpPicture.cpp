// Draws the Help window's worked example, nine lines of black text on white in the bitmap
// default font without smoothing, and writes it as an uncompressed 24-bit BMP of 165 x 172
// pixels:  make_help_picture OUTPUT.bmp

#include "ProgramFonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv); // the font database needs it
    if (argc != 2) {
        qCritical("usage: make_help_picture OUTPUT.bmp");
        return 2;
    }
    struct Line {
        int indent; // pixels from the margin
        const char* text;
    };
    const Line lines[] = {
        {0, "If you have the formula:"},
        {22, "1 X \u00B2 + 14 X + 45 = 0"},
        {0, "The program will give you roots:"},
        {22, "X = -5   Or   X = -9"},
        {0, "Therefore the working out is:"},
        {28, "1 X \u00B2 + 14 X + 45 = 0"},
        {28, "(x+5) (x+9) = 0"},
        {28, "x+5 = 0   Or   x+9 = 0"},
        {28, "X = -5   Or   x = -9"},
    };
    qtui::loadProgramFonts();
    QFont font = qtui::programFont(forms::defaultFont, 1.0);
    font.setStyleStrategy(QFont::NoAntialias);
    // The text reaches from column 5 to 157 and from row 5 to 159: the widest line, the third,
    // takes 0.22 pixels more between its letters than the font gives, and the nine
    // baselines are spread evenly from row 14 to row 160, the pixel rows rounded.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.22);
    constexpr int margin = 4; // the first glyph column of "If" and "The" is then column 5
    constexpr double firstBaseline = 14;
    constexpr double lastBaseline = 160;
    QImage picture(165, 172, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < 9; ++i) {
        const double baseline = firstBaseline + i * (lastBaseline - firstBaseline) / 8;
        painter.drawText(margin + lines[i].indent, int(std::lround(baseline)),
                         QString::fromUtf8(lines[i].text));
    }
    painter.end();
    return picture.save(QString::fromLocal8Bit(argv[1]), "BMP") ? 0 : 1;
}
