#pragma once
// Turns a window's table into Windows menus and controls, and gives them their place, font and
// picture at a DPI. It wires nothing: what a control does is the window's business.

#include "WindowTable.h"

#include <windows.h>

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win32 {

// Controls are numbered by their place in the table, which automation can count on; menu items
// in menu order.
inline constexpr int firstControlId = 100;
inline constexpr int firstMenuId = 1000;

// The identifier of the control the table names `name`; 0 for a name not in the table.
int controlId(const forms::WindowTable& table, std::string_view name);

int toPixels(int twips, UINT dpi);

// MS Sans Serif at `dpi`, or its outline twin where the bitmap does not fit; the caller deletes
// it.
HFONT createFont(forms::FontSpec font, UINT dpi);

// The menu bar, and each item's name by its identifier.
HMENU buildMenuBar(std::span<const forms::MenuRow> menus, std::map<int, std::string>& names);

// Creates each control of the table on `window`, in tab-index order (which is the order Tab
// follows), with its text, and gives each its name for screen readers. Returns them in that
// order, without any Windows refused to make; they have no place, font or picture yet (see
// placeControls).
std::vector<HWND> buildControls(HWND window, const forms::WindowTable& table);

// The fonts of one window at one DPI, each made once.
class FontSet {
public:
    explicit FontSet(UINT dpi) : dpi_(dpi) {}
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    HFONT font(forms::FontSpec asked);

private:
    UINT dpi_;
    std::vector<std::pair<forms::FontSpec, HFONT>> fonts_;
};

// Gives each control of the table (found in `window` by its number) its place, font and picture
// at the fonts' DPI.
void placeControls(HWND window, const forms::WindowTable& table, FontSet& fonts, UINT dpi);

} // namespace win32
