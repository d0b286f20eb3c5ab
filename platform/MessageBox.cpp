#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>

#include <utility>

namespace platform {

ModalMessageBox::ModalMessageBox(QString title) : title_(std::move(title)) {}

int ModalMessageBox::showMessage(const QString& text) {
    CopyableMessageBox box(title_, text, QApplication::activeWindow());
    box.exec();
    // One button: Escape and the close button count as OK too.
    return messageBoxOk;
}

CopyableMessageBox::CopyableMessageBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent) {
    setWindowModality(Qt::ApplicationModal);
    setTextFormat(Qt::PlainText);
    setEscapeButton(QMessageBox::Ok);
    setAccessibleName(title); // a screen reader announces the box by its title and text
    setAccessibleDescription(text);
    // Qt indents the text as if a hidden icon stood before it; without an icon, the text starts
    // at the margin.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->setHorizontalSpacing(0); // the text is alone in its row
        for (int i = grid->count() - 1; i >= 0; --i) {
            if (grid->itemAt(i)->spacerItem() != nullptr) {
                delete grid->takeAt(i);
            }
        }
    }
}

QString CopyableMessageBox::copyText() const {
    const QString rule = QStringLiteral("---------------------------\n");
    const QString separator = u'\n' + rule;
    QString buttonTexts;
    for (const QAbstractButton* button : buttons()) {
        buttonTexts += QString(button->text()).remove(u'&') + QStringLiteral("   ");
    }
    return rule + windowTitle() + separator + text() + separator + buttonTexts + separator;
}

void CopyableMessageBox::keyPressEvent(QKeyEvent* event) {
#ifndef Q_OS_WIN
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(copyText());
        event->accept();
        return;
    }
#endif
    QMessageBox::keyPressEvent(event);
}

} // namespace platform
