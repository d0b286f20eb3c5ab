#include "Form.h"

#include "FormBuilder.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>

namespace platform {

Form::Form(const WindowDescription& description)
    : surface_(new FormSurface(description.lines, this)) {
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
    describeForScreenReaders(surface_, description.accessible);
    int menuHeight = 0;
    if (!description.menus.empty()) {
        buildMenus(menuBar(), description.menus);
        menuHeight = menuBar()->sizeHint().height();
    }
    const QSize size(twipsToPixels(description.clientWidth),
                     twipsToPixels(description.clientHeight) + menuHeight);
    resize(size);
    if (description.border == Border::FixedDialog) {
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        setAttribute(Qt::WA_QuitOnClose); // a tool window would otherwise not keep the program open
        setFixedSize(size);
    }
    if (description.clientLeft >= 0) {
        // The client area's corner, not the frame's: setGeometry places what lies inside the frame.
        setGeometry(QRect(
            QPoint(twipsToPixels(description.clientLeft), twipsToPixels(description.clientTop)),
            size));
    }
    defaultButton_ =
        description.defaultButton ? control<QPushButton>(description.defaultButton) : nullptr;
    cancelButton_ =
        description.cancelButton ? control<QPushButton>(description.cancelButton) : nullptr;
}

void Form::keyPressEvent(QKeyEvent* event) {
    auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QPushButton* pressed = event->key() == Qt::Key_Escape ? cancelButton_ : nullptr;
    if (enter && defaultButton_ != nullptr) {
        pressed = focusedButton != nullptr ? focusedButton : defaultButton_;
    }
    if (pressed != nullptr) {
        pressed->click();
    } else {
        QMainWindow::keyPressEvent(event);
    }
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
