#pragma once
// A secondary window that exists at most once: the first request creates it, later requests bring
// it to the front, closing discards it and the next request creates it afresh. It has no owner,
// so it outlives the window that asked for it.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace qtui {

class SingleInstance {
public:
    explicit SingleInstance(std::function<QWidget*()> create) : create_(std::move(create)) {}

    QWidget* show() {
        // A closed window is hidden while it waits for its deletion: it counts as gone.
        if (!window_ || !window_->isVisible()) {
            window_ = create_();
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        // A minimised window comes back too: for the About box, which has no taskbar entry,
        // the menu is the only way back.
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_;
    }

private:
    std::function<QWidget*()> create_;
    QPointer<QWidget> window_;
};

} // namespace qtui
