#include "AboutBoxHandlers.h"

#include "AboutBoxTable.h"
#include "ApplicationInfo.h"

namespace forms {

AboutBoxHandlers::AboutBoxHandlers(WindowView& window, MessageService& messages,
                                   os::Registry& registry, os::FileTest& files,
                                   os::ProgramStarter& programs)
    : window_(window), launcher_(registry, files, programs, [&messages](const std::string& text) {
          messages.showMessage(text);
      }) {}

void AboutBoxHandlers::open() {
    window_.setCaption(std::string("About ") + appinfo::title);
    window_.setText(aboutBox::version, "Version " + std::to_string(appinfo::versionMajor) + '.' +
                                           std::to_string(appinfo::versionMinor) + '.' +
                                           std::to_string(appinfo::versionRevision));
    window_.setText(aboutBox::title, appinfo::title);
}

void AboutBoxHandlers::ok() {
    window_.closeWindow();
}

void AboutBoxHandlers::startSystemInfo() {
    launcher_.start();
}

} // namespace forms
