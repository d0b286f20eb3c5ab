#pragma once
// The program's message box: modal to the whole program, one OK button, no icon, the
// application title as caption. Handlers reach it through MessageService so that tests can
// answer it without a person at the keyboard.

#include <QMessageBox>
#include <QString>

namespace platform {

// The code of the OK button, which is what a one-button message box always answers.
inline constexpr int messageBoxOk = 1;

class MessageService {
public:
    virtual ~MessageService() = default;
    // Blocks until the user dismisses the box; returns the code of the button that closed it.
    virtual int showMessage(const QString& text) = 0;
};

class ModalMessageBox final : public MessageService {
public:
    explicit ModalMessageBox(QString title);
    int showMessage(const QString& text) override;

private:
    QString title_;
};

// A QMessageBox that copies its title, text and buttons with Ctrl+C in the layout desktop users
// know from Windows, where Qt already does this itself.
class CopyableMessageBox : public QMessageBox {
    Q_OBJECT

public:
    CopyableMessageBox(const QString& title, const QString& text, QWidget* parent = nullptr);
    QString copyText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform
