#include "Form.h"

#include "FormBuilder.h"
#include "QtColours.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace qtui {

Form::Form(const forms::WindowTable& table) : surface_(new FormSurface(table.lines, this)) {
    setObjectName(QLatin1StringView(table.name));
    setWindowTitle(QString::fromUtf8(table.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(surface_);
    if (table.background.isSet()) {
        QPalette palette = surface_->palette();
        palette.setColor(QPalette::Window, resolve(table.background));
        surface_->setPalette(palette);
    }
    buildControls(surface_, table.controls);
    describeForScreenReaders(surface_, table.accessible);
    int menuHeight = 0;
    if (!table.menus.empty()) {
        buildMenus(menuBar(), table.menus);
        menuHeight = menuBar()->sizeHint().height();
    }
    const QSize size(twipsToPixels(table.clientWidth),
                     twipsToPixels(table.clientHeight) + menuHeight);
    resize(size);
    if (table.border == forms::Border::FixedDialog) {
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        setAttribute(Qt::WA_QuitOnClose); // a tool window would otherwise not keep the program open
        setFixedSize(size);
    }
    if (table.clientLeft >= 0) {
        // The client area's corner, not the frame's: setGeometry places what lies inside the frame.
        setGeometry(
            QRect(QPoint(twipsToPixels(table.clientLeft), twipsToPixels(table.clientTop)), size));
    }
    defaultButton_ = table.defaultButton ? control<QPushButton>(table.defaultButton) : nullptr;
    cancelButton_ = table.cancelButton ? control<QPushButton>(table.cancelButton) : nullptr;
}

void Form::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && !isMinimized() &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) != 0) {
        surface_->update();
    }
    QMainWindow::changeEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event) {
    auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QPushButton* pressed = event->key() == Qt::Key_Escape ? cancelButton_ : nullptr;
    if (enter) {
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

std::string Form::text(const char* name) const {
    return control<QLineEdit>(name)->text().toStdString();
}

void Form::setText(const char* name, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (auto* box = control<QLineEdit>(name)) {
        box->setText(shown);
    } else {
        control<QLabel>(name)->setText(shown);
    }
}

void Form::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void Form::printLine(const std::string& text) {
    const QPoint topLeft(twipsToPixels(textCursor_.x()), twipsToPixels(textCursor_.y()));
    surface_->drawTextOnce(topLeft, QString::fromStdString(text),
                           systemColour(forms::SystemColour::ButtonText));
    const int lineHeight = QFontMetrics(surface_->font()).height() * twipsPerPixel;
    textCursor_ = QPoint(0, textCursor_.y() + lineHeight);
}

void Form::closeWindow() {
    QMainWindow::close();
}

} // namespace qtui
