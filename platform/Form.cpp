#include "Form.h"

#include "FormBuilder.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QMenuBar>

namespace platform {

Form::Form(const WindowDescription& description) : surface_(new FormSurface(this)) {
    setObjectName(QLatin1StringView(description.name));
    setWindowTitle(QString::fromUtf8(description.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(surface_);
    if (description.background.isSet()) {
        QPalette palette = surface_->palette();
        palette.setColor(QPalette::Window, resolve(description.background));
        surface_->setPalette(palette);
    }
    buildControls(surface_, description.controls);
    int menuHeight = 0;
    if (!description.menus.empty()) {
        buildMenus(menuBar(), description.menus);
        menuHeight = menuBar()->sizeHint().height();
    }
    resize(twipsToPixels(description.clientWidth),
           twipsToPixels(description.clientHeight) + menuHeight);
}

QAction* Form::menuItem(const char* name) const {
    return findChild<QAction*>(QLatin1StringView(name));
}

void Form::printLine(const QString& text) {
    const QPoint topLeft(twipsToPixels(textCursor_.x()), twipsToPixels(textCursor_.y()));
    surface_->drawTextOnce(topLeft, text, systemColour(SystemColour::ButtonText));
    const int lineHeight = QFontMetrics(surface_->font()).height() * twipsPerPixel;
    textCursor_ = QPoint(0, textCursor_.y() + lineHeight);
}

} // namespace platform
