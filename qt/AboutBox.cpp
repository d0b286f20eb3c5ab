#include "AboutBox.h"

#include "AboutBoxTable.h"

namespace qtui {

using namespace forms::aboutBox;

AboutBox::AboutBox(forms::MessageService& messages)
    : Form(forms::aboutBoxTable()),
      handlers_(*this, messages, os::systemRegistry(), os::systemFiles(), os::systemPrograms()) {
    handlers_.open();
    auto& handlers = handlers_;
    connect(control<QPushButton>(okButton), &QPushButton::clicked, this,
            [&handlers] { handlers.ok(); });
    connect(control<QPushButton>(systemInfoButton), &QPushButton::clicked, this,
            [&handlers] { handlers.startSystemInfo(); });
}

} // namespace qtui
