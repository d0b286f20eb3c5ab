#pragma once
// The program's message box: modal to the whole program, one OK button, no icon, the
// application title as caption. Handlers reach it through forms::MessageService so that tests
// can answer it without a person at the keyboard.

#include "WindowView.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace qtui {

class ModalMessageBox final : public forms::MessageService {
public:
    explicit ModalMessageBox(QString title);
    // The window that was active when the box came is active again when it goes.
    int showMessage(const std::string& text) override;

private:
    QString title_;
};

// The box itself: its text from the left margin, wrapped only where it is long, above one OK
// button. Enter, Escape and the close button all close it; Ctrl+C copies its title, text and
// button in the layout desktop users know from Windows.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    MessageDialog(const QString& title, const QString& text, QWidget* parent = nullptr);
    QString text() const;
    QPushButton* okButton() const { return ok_; }
    QString copyText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* text_;
    QPushButton* ok_;
};

} // namespace qtui
