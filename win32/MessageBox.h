#pragma once
// The program's message box: the system's own, modal to the whole program, one OK button, no
// icon, the application title as caption.

#include "WindowView.h"

namespace win32 {

class ModalMessageBox final : public forms::MessageService {
public:
    int showMessage(const std::string& text) override;
};

} // namespace win32
