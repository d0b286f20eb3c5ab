#pragma once
// The static description of a window: its own attributes, its controls and its menu bar, in the
// description's own units (twips, points, colour numbers). Built into widgets by Form.

#include "Colours.h"
#include "Fonts.h"

#include <span>

namespace platform {

enum class ControlKind { TextBox, Label, CommandButton, PictureBox };

struct ControlDescription {
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
    const char* picture = nullptr; // a picture box's picture, shown unscaled: a Qt resource path
};

// A top-level menu without items is chosen at once; one with items opens a drop-down.
struct MenuItemDescription {
    const char* name;
    const char* caption; // '&' marks the access key
};

struct MenuDescription {
    const char* name;
    const char* caption;
    std::span<const MenuItemDescription> items;
};

// What a screen reader says of a control: its name and description, and for a label, the control
// it names.
struct AccessibleDescription {
    const char* control;
    const char* name;
    const char* description;
    const char* labels = nullptr;
};

// A line drawn on the window's surface, beneath its controls; coordinates in twips.
struct LineDescription {
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

struct WindowDescription {
    const char* name;
    const char* caption;
    int clientWidth;
    int clientHeight;
    Colour background;
    std::span<const ControlDescription> controls;
    std::span<const MenuDescription> menus;
    Border border = Border::Sizable;
    int clientLeft = -1; // twips from the screen's corner; -1: placed by the system
    int clientTop = -1;
    std::span<const LineDescription> lines = {}; // drawn in this order
    const char* defaultButton = nullptr;         // pressed by Enter unless a button has the focus
    const char* cancelButton = nullptr;          // pressed by Escape
    std::span<const AccessibleDescription> accessible = {};
};

} // namespace platform
