#include "ClassicButtonStyle.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <qdrawutil.h>

namespace qtui {

void ClassicButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelButtonCommand || qobject_cast<const QPushButton*>(widget) == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool sunken = (option->state & (State_Sunken | State_On)) != 0;
    const QBrush face = option->palette.brush(QPalette::Button);
    qDrawWinButton(painter, option->rect, option->palette, sunken, &face);
    if ((option->state & State_HasFocus) != 0) {
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
        painter->restore();
    }
}

int ClassicButtonStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace qtui
