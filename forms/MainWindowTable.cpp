#include "MainWindowTable.h"

#include <array>

namespace forms {

namespace {

using namespace mainWindow;

constexpr Colour darkRed = Colour::fromRgb(192, 0, 0);
constexpr FontSpec textFont{13.5, false};
constexpr FontSpec buttonFont{13.5, true};
constexpr Colour boxBack = Colour::fromSystem(SystemColour::InactiveCaptionText);
constexpr Colour boxText = Colour::fromSystem(SystemColour::WindowText);
constexpr Colour labelText = systemButtonText;
constexpr Colour buttonFace = systemHighlight;

constexpr auto box = ControlKind::TextBox;
constexpr auto label = ControlKind::Label;
constexpr auto button = ControlKind::CommandButton;

// clang-format off
constexpr std::array controls = {
    //         name             kind    text        left  top   width height font        back        fore       tab
    ControlRow{coefficientA,    box,    "",         720,  840,  615,  495,   textFont,   boxBack,    boxText,   0},
    ControlRow{coefficientB,    box,    "",         2280, 840,  615,  495,   textFont,   boxBack,    boxText,   1},
    ControlRow{coefficientC,    box,    "",         3840, 840,  615,  495,   textFont,   boxBack,    boxText,   2},
    ControlRow{firstRoot,       box,    "",         840,  4560, 1095, 615,   textFont,   boxBack,    boxText,   8},
    ControlRow{secondRoot,      box,    "",         3240, 4560, 1095, 615,   textFont,   boxBack,    boxText,   11},
    ControlRow{"Label1",        label,  "X \u00B2", 1440, 960,  375,  375,   textFont,   darkRed,    labelText, 3},
    ControlRow{"Label2",        label,  "+",        1920, 960,  255,  375,   textFont,   darkRed,    labelText, 4},
    ControlRow{"Label3",        label,  "X",        3000, 960,  375,  375,   textFont,   darkRed,    labelText, 5},
    ControlRow{"Label4",        label,  "+",        3480, 960,  255,  375,   textFont,   darkRed,    labelText, 6},
    ControlRow{"Label5",        label,  "X=",       240,  4680, 495,  375,   textFont,   darkRed,    labelText, 7},
    ControlRow{"Label6",        label,  "Or",       2040, 4680, 375,  375,   textFont,   darkRed,    labelText, 9},
    ControlRow{"Label7",        label,  "X=",       2640, 4680, 495,  375,   textFont,   darkRed,    labelText, 10},
    ControlRow{calculateButton, button, "CALCULATE", 840, 2520, 2895, 855,   buttonFont, buttonFace, notSet,    12},
    ControlRow{clearButton,     button, "CLEAR",    1200, 5640, 2175, 735,   buttonFont, buttonFace, notSet,    13},
};

constexpr std::array optionsItems = {
    MenuItemRow{aboutItem, "&About"},
    MenuItemRow{exitItem, "E&xit"},
};

constexpr std::array menus = {
    MenuRow{"mnuOptions", "&Options", optionsItems},
    MenuRow{helpItem,    "Help",    {}},
};

// The equation row's "X ²" and "X" name the boxes before them; the answer row's "X=" the boxes after.
constexpr std::array accessible = {
    AccessibleRow{coefficientA,   "Coefficient a, the x squared term", "The number that multiplies x squared"},
    AccessibleRow{coefficientB,   "Coefficient b, the x term",        "The number that multiplies x"},
    AccessibleRow{coefficientC,   "Coefficient c, the constant term", "The number on its own"},
    AccessibleRow{firstRoot,      "First root",                       "The first root, rounded to hundredths"},
    AccessibleRow{secondRoot,     "Second root",                      "The second root, rounded to hundredths"},
    AccessibleRow{calculateButton, "Calculate",                        "Finds the real roots of the equation"},
    AccessibleRow{clearButton,    "Clear",                            "Empties all five boxes"},
    AccessibleRow{"Label1",       "x squared",                        "", coefficientA},
    AccessibleRow{"Label3",       "x",                                "", coefficientB},
    AccessibleRow{"Label5",       "x equals",                         "", firstRoot},
    AccessibleRow{"Label7",       "x equals",                         "", secondRoot},
};

constexpr WindowTable table{
    "Brintamo", "Brintamo", 5190, 7140, darkRed, controls, menus,
    Border::Sizable, -1, -1, {}, nullptr, nullptr, accessible,
};
// clang-format on

} // namespace

const WindowTable& mainWindowTable() {
    return table;
}

} // namespace forms
