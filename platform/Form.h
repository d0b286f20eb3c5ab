#pragma once
// A top-level window built from its static description. Window classes derive from it, find
// their controls by name and wire their handlers; geometry, fonts and colours stay in the table.

#include "FormSurface.h"
#include "WindowDescription.h"

#include <QAction>
#include <QMainWindow>
#include <QPoint>
#include <QPushButton>

namespace platform {

class Form : public QMainWindow {
    Q_OBJECT

public:
    explicit Form(const WindowDescription& description);

    template <typename Widget> Widget* control(const char* name) const {
        return surface_->findChild<Widget*>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    }
    QAction* menuItem(const char* name) const;

    FormSurface* surface() const { return surface_; }

    // Prints one line at the text cursor in the window's font and text colour, then moves the
    // cursor to the start of the next line. The cursor only ever moves down.
    void printLine(const QString& text);
    QPoint textCursor() const { return textCursor_; } // twips

protected:
    // The default and cancel buttons, as dialogs have them.
    void keyPressEvent(QKeyEvent* event) override;

private:
    FormSurface* surface_;
    QPoint textCursor_;
    QPushButton* defaultButton_;
    QPushButton* cancelButton_;
};

} // namespace platform
