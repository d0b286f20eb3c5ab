#pragma once
// What the About box does: its run-time texts when it opens, OK, and "System Info...". It knows
// the window only through WindowView.

#include "Registry.h"
#include "SystemInfoLauncher.h"
#include "SystemServices.h"
#include "WindowView.h"

namespace forms {

class AboutBoxHandlers {
public:
    AboutBoxHandlers(WindowView& window, MessageService& messages, os::Registry& registry,
                     os::FileTest& files, os::ProgramStarter& programs);

    // The title bar, title and version texts, from the program's title and version.
    void open();
    void ok();
    // Starts the system-information program or says that it is unavailable; the box stays open.
    void startSystemInfo();

private:
    WindowView& window_;
    os::SystemInfoLauncher launcher_;
};

} // namespace forms
