#include "MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace qtui {

namespace {

// In pixels at 96 dots per inch: the margins and button of the classic desktop's message box,
// and the width beyond which its text wraps.
constexpr int margin = 12;
constexpr QSize buttonSize(75, 23);
constexpr int widestText = 440;

} // namespace

ModalMessageBox::ModalMessageBox(QString title) : title_(std::move(title)) {}

int ModalMessageBox::showMessage(const std::string& text) {
    const QPointer<QWidget> origin = QApplication::activeWindow();
    MessageDialog box(title_, QString::fromStdString(text), origin);
    box.exec();
    // A window manager may give the focus to any window when the box goes.
    if (origin != nullptr && origin->isVisible()) {
        origin->raise();
        origin->activateWindow();
    }
    // One button: Escape and the close button count as OK too.
    return forms::messageBoxOk;
}

MessageDialog::MessageDialog(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QLabel(text, this)), ok_(new QPushButton(tr("OK"), this)) {
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAccessibleName(title); // a screen reader announces the box by its title and text
    setAccessibleDescription(text);
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    if (text_->sizeHint().width() > widestText) {
        text_->setWordWrap(true);
        text_->setFixedWidth(widestText);
    }
    ok_->setFixedSize(buttonSize);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(ok_);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(text_);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString MessageDialog::text() const {
    return text_->text();
}

QString MessageDialog::copyText() const {
    const QString rule = QStringLiteral("---------------------------\n");
    const QString separator = u'\n' + rule;
    return rule + windowTitle() + separator + text() + separator + ok_->text() +
           QStringLiteral("   ") + separator;
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(copyText());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qtui
