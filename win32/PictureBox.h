#pragma once
// A picture box of the program's own: a sunken 2-pixel edge, its picture drawn unscaled (but for
// the screen's scaling) from the inner top-left corner, the box's background wherever the picture
// does not reach. It takes the keyboard focus in its tab place and draws no focus mark; a static
// control could neither take the focus nor keep a picture from being stretched.

#include <windows.h>

namespace win32::pictureBox {

inline constexpr wchar_t className[] = L"BrintamoPicture";

// Once per program; later calls change nothing.
void registerClass();

// Shows the picture the tables name (a .bmp or .ico in the program's resources) at `dpi`; the
// box owns it from then on.
void showPicture(HWND box, const char* picture, UINT dpi);

} // namespace win32::pictureBox
