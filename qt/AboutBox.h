#pragma once
// The About box: built from its table, OK and "System Info..." wired to the handlers that say
// what they do; its run-time texts are set as it is made.

#include "AboutBoxHandlers.h"
#include "Form.h"

namespace qtui {

class AboutBox : public Form {
    Q_OBJECT

public:
    explicit AboutBox(forms::MessageService& messages);

private:
    forms::AboutBoxHandlers handlers_;
};

} // namespace qtui
