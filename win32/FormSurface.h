#pragma once
// Drawing on a window's surface: its lines, its owner-drawn buttons in the graphical style and
// labels, and a printed line, drawn once with a transparent background and never again.

#include "WindowTable.h"

#include <windows.h>

#include <string>
#include <vector>

namespace win32 {

COLORREF resolve(const forms::Colour& colour, int fallback);

// A control's background: a box's described colour where its text reads on it, else the
// background Windows pairs with the window-text colour.
COLORREF backgroundOf(const forms::ControlRow& row);

// As Windows draws a line: from its first point up to, not including, its last.
void drawLines(HDC dc, const forms::WindowTable& table, UINT dpi);

// The face in its colour, a raised edge that sinks while pressed, the caption in the control's
// bold font, a dotted rectangle while it has the focus.
void drawButton(const DRAWITEMSTRUCT& item, const forms::ControlRow& row);

// A window's or control's text.
std::string windowText(HWND window);

// A label's lines in its font at its width, as forms::labelLines breaks them.
std::vector<std::string> labelLines(HWND label);

// An owner-drawn label: its background, and its lines in its colour.
void drawLabel(const DRAWITEMSTRUCT& item, const forms::ControlRow& row);

// Draws `text` with its line box's top-left corner at `topLeft` (pixels), glyphs only, in
// `font` and the button-text colour; returns the font's line height in pixels.
int printText(HWND window, POINT topLeft, const std::string& text, HFONT font);

} // namespace win32
