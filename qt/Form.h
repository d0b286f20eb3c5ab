#pragma once
// A top-level window built from its table, and the WindowView its handlers use. Window classes
// derive from it and wire their controls to their handlers; geometry, fonts and colours stay in
// the table.

#include "FormSurface.h"
#include "WindowTable.h"
#include "WindowView.h"

#include <QAction>
#include <QMainWindow>
#include <QPoint>
#include <QPushButton>

namespace qtui {

class Form : public QMainWindow, public forms::WindowView {
    Q_OBJECT

public:
    explicit Form(const forms::WindowTable& table);

    template <typename Widget> Widget* control(const char* name) const {
        return surface_->findChild<Widget*>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    }
    QAction* menuItem(const char* name) const;

    FormSurface* surface() const { return surface_; }

    std::string text(const char* control) const override;
    void setText(const char* control, const std::string& text) override;
    void setCaption(const std::string& caption) override;
    // In the window's font and text colour; the cursor only ever moves down.
    void printLine(const std::string& text) override;
    void closeWindow() override;

protected:
    // As in dialogs: Enter presses the focused button, else the default one; Escape the cancel
    // button.
    void keyPressEvent(QKeyEvent* event) override;
    // Restored from its minimised state, the window is drawn afresh, as Windows draws it: what
    // was printed on it is gone.
    void changeEvent(QEvent* event) override;

private:
    FormSurface* surface_;
    QPoint textCursor_; // twips
    QPushButton* defaultButton_;
    QPushButton* cancelButton_;
};

} // namespace qtui
