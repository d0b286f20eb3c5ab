#pragma once
// Push buttons drawn the classic way over the current style: a flat face in the button's own
// colour with a raised 3-D edge, sunken while pressed, and a dotted focus rectangle in the
// button-text colour inside the face, so the focus shows whatever colour the face has. Dialog
// buttons carry no icons.

#include <QProxyStyle>

namespace qtui {

class ClassicButtonStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

} // namespace qtui
