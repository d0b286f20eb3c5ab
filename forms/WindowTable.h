#pragma once
// The static table of a window: its own attributes, its controls and its menu bar, in the
// table's own units (twips, points, colour numbers), as plain values that each front end builds
// its windows from. Controls keep their described names, which tests, screen readers and the
// windows' look find them by.

#include "Colours.h"
#include "Fonts.h"

#include <span>

namespace forms {

enum class ControlKind { TextBox, Label, CommandButton, PictureBox };

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* text; // UTF-8
    int left;
    int top;
    int width;
    int height;
    FontSpec font;
    Colour background;
    Colour foreground;
    int tabIndex;
    const char* picture = nullptr; // a picture box's picture: its file in forms/resources
};

// A top-level menu without items is chosen at once; one with items opens a drop-down.
struct MenuItemRow {
    const char* name;
    const char* caption; // '&' marks the access key
};

struct MenuRow {
    const char* name;
    const char* caption;
    std::span<const MenuItemRow> items;
};

// What a screen reader says of a control: its name and description, and for a label, the control
// it names.
struct AccessibleRow {
    const char* control;
    const char* name;
    const char* description;
    const char* labels = nullptr;
};

// A line drawn on the window's surface, beneath its controls; coordinates in twips.
struct LineRow {
    int x1;
    int y1;
    int x2;
    int y2;
    Colour colour;
    int widthPixels;
};

// Sizable: title bar, system menu, minimise, maximise and close buttons, placed by the system.
// FixedDialog: a title bar with a close button only, not resizable, not in the taskbar.
enum class Border { Sizable, FixedDialog };

struct WindowTable {
    const char* name;
    const char* caption;
    int clientWidth;
    int clientHeight;
    Colour background;
    std::span<const ControlRow> controls;
    std::span<const MenuRow> menus;
    Border border = Border::Sizable;
    int clientLeft = -1; // twips from the screen's corner; -1: placed by the system
    int clientTop = -1;
    std::span<const LineRow> lines = {}; // drawn in this order
    const char* defaultButton = nullptr; // pressed by Enter unless a button has the focus
    const char* cancelButton = nullptr;  // pressed by Escape
    std::span<const AccessibleRow> accessible = {};
};

} // namespace forms
