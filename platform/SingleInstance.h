#pragma once
// A secondary window that exists at most once: the first request creates it and runs its
// Form_Load if it has one, later requests bring it to the front, closing discards it and the
// next request creates it afresh. It has no owner, so it outlives the window that asked for it.

#include <QPointer>
#include <QWidget>

namespace platform {

template <typename Window> class SingleInstance {
public:
    Window* show() {
        // A closed window is hidden while it waits for its deletion: it counts as gone.
        if (!window_ || !window_->isVisible()) {
            window_ = new Window();
            window_->setAttribute(Qt::WA_DeleteOnClose);
            if constexpr (requires { window_->Form_Load(); }) {
                window_->Form_Load(); // once per load, before it is first shown
            }
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
    QPointer<Window> window_;
};

} // namespace platform
