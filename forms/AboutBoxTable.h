#pragma once
// The About box's table: title, version, description, the author's note and address, the icon,
// OK and "System Info...", and the separator lines.

#include "WindowTable.h"

namespace forms {

const WindowTable& aboutBoxTable();

// Its controls by what they are; the texts are their names in the table.
namespace aboutBox {
inline constexpr const char* title = "lblTitle";
inline constexpr const char* version = "lblVersion";
inline constexpr const char* okButton = "cmdOK";
inline constexpr const char* systemInfoButton = "cmdSysInfo";
} // namespace aboutBox

} // namespace forms
