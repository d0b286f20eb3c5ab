#pragma once
// Names and descriptions for screen readers, the same as the Linux program gives. A control asked
// for its accessible object (WM_GETOBJECT) answers with the system's standard one for it, wrapped
// so that its name, description and role are the table's; everything else is the standard object's.
// (Dynamic annotation would need no wrapper, but Wine does not implement it, so the names could
// not be tested here.)

#include "WindowTable.h"

#include <windows.h>

namespace win32 {

// Gives `control` the name and description of `row`, and the role of its kind, until the control
// is destroyed.
void annotate(HWND control, const forms::AccessibleRow& row, forms::ControlKind kind);

} // namespace win32
