#include "BrintamoDescription.h"

#include <array>

namespace {

using platform::Colour;
using platform::ControlKind;
using platform::FontSpec;
using platform::SystemColour;

constexpr Colour darkRed = Colour::fromRgb(192, 0, 0);
constexpr FontSpec textFont{13.5, false};
constexpr FontSpec buttonFont{13.5, true};
constexpr Colour boxBack = Colour::fromSystem(SystemColour::InactiveCaptionText);
constexpr Colour boxText = Colour::fromSystem(SystemColour::WindowText);
constexpr Colour labelText = platform::systemButtonText;
constexpr Colour buttonFace = platform::systemHighlight;
using platform::notSet;

constexpr auto box = ControlKind::TextBox;
constexpr auto label = ControlKind::Label;
constexpr auto button = ControlKind::CommandButton;

// clang-format off
constexpr std::array controls = {
    //                     name        kind    text         left  top   width height font        back        fore       tab
    platform::ControlDescription{"Text1",    box,    "",          720,  840,  615,  495,  textFont,   boxBack,    boxText,   0},
    platform::ControlDescription{"Text2",    box,    "",          2280, 840,  615,  495,  textFont,   boxBack,    boxText,   1},
    platform::ControlDescription{"Text3",    box,    "",          3840, 840,  615,  495,  textFont,   boxBack,    boxText,   2},
    platform::ControlDescription{"Text4",    box,    "",          840,  4560, 1095, 615,  textFont,   boxBack,    boxText,   8},
    platform::ControlDescription{"Text5",    box,    "",          3240, 4560, 1095, 615,  textFont,   boxBack,    boxText,   11},
    platform::ControlDescription{"Label1",   label,  "X \u00B2",  1440, 960,  375,  375,  textFont,   darkRed,    labelText, 3},
    platform::ControlDescription{"Label2",   label,  "+",         1920, 960,  255,  375,  textFont,   darkRed,    labelText, 4},
    platform::ControlDescription{"Label3",   label,  "X",         3000, 960,  375,  375,  textFont,   darkRed,    labelText, 5},
    platform::ControlDescription{"Label4",   label,  "+",         3480, 960,  255,  375,  textFont,   darkRed,    labelText, 6},
    platform::ControlDescription{"Label5",   label,  "X=",        240,  4680, 495,  375,  textFont,   darkRed,    labelText, 7},
    platform::ControlDescription{"Label6",   label,  "Or",        2040, 4680, 375,  375,  textFont,   darkRed,    labelText, 9},
    platform::ControlDescription{"Label7",   label,  "X=",        2640, 4680, 495,  375,  textFont,   darkRed,    labelText, 10},
    platform::ControlDescription{"Command1", button, "CALCULATE", 840,  2520, 2895, 855,  buttonFont, buttonFace, notSet,    12},
    platform::ControlDescription{"Command2", button, "CLEAR",     1200, 5640, 2175, 735,  buttonFont, buttonFace, notSet,    13},
};

constexpr std::array optionsItems = {
    platform::MenuItemDescription{"mnuAbout", "&About"},
    platform::MenuItemDescription{"mnuExit",  "E&xit"},
};

constexpr std::array menus = {
    platform::MenuDescription{"mnuOptions", "&Options", optionsItems},
    platform::MenuDescription{"mnuhelp",    "Help",     {}},
};

// The equation row's "X ²" and "X" name the boxes before them; the answer row's "X=" the boxes after.
constexpr std::array accessible = {
    platform::AccessibleDescription{"Text1",    "Coefficient a, the x squared term", "The number that multiplies x squared"},
    platform::AccessibleDescription{"Text2",    "Coefficient b, the x term",         "The number that multiplies x"},
    platform::AccessibleDescription{"Text3",    "Coefficient c, the constant term",  "The number on its own"},
    platform::AccessibleDescription{"Text4",    "First root",                        "The first root, rounded to hundredths"},
    platform::AccessibleDescription{"Text5",    "Second root",                       "The second root, rounded to hundredths"},
    platform::AccessibleDescription{"Command1", "Calculate",                         "Finds the real roots of the equation"},
    platform::AccessibleDescription{"Command2", "Clear",                             "Empties all five boxes"},
    platform::AccessibleDescription{"Label1",   "x squared",                         "", "Text1"},
    platform::AccessibleDescription{"Label3",   "x",                                 "", "Text2"},
    platform::AccessibleDescription{"Label5",   "x equals",                          "", "Text4"},
    platform::AccessibleDescription{"Label7",   "x equals",                          "", "Text5"},
};

constexpr platform::WindowDescription description{
    "Brintamo", "Brintamo", 5190, 7140, darkRed, controls, menus,
    platform::Border::Sizable, -1, -1, {}, nullptr, nullptr, accessible,
};
// clang-format on

} // namespace

const platform::WindowDescription& brintamoDescription() {
    return description;
}
