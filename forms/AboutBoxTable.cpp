#include "AboutBoxTable.h"

#include <array>

namespace forms {

namespace {

using namespace aboutBox;

constexpr Colour darkRed = Colour::fromRgb(192, 0, 0);
constexpr Colour black = Colour::fromRgb(0, 0, 0);
constexpr Colour buttonText = systemButtonText;
constexpr Colour buttonFace = systemHighlight;
constexpr auto font = defaultFont;
constexpr auto label = ControlKind::Label;
constexpr auto button = ControlKind::CommandButton;

constexpr char description[] = "A simple program that calculates the roots of a given equation.";
constexpr char disclaimer[] = "This is my first completely independent program.  Please pass it on "
                              "to your friends and tell them about my website:";
constexpr auto box = ControlKind::TextBox;
constexpr auto picture = ControlKind::PictureBox;

// clang-format off
constexpr std::array controls = {
    //         name              kind     text                       left  top   width height font  back        fore        tab
    ControlRow{"Text1",          box,     "http://www.example.com/", 240,  3000, 3615, 285,   font, notSet,     notSet,     8},
    ControlRow{"picIcon",        picture, "",                        240,  240,  540,  540,   font, darkRed,    notSet,     1, "about.ico"},
    ControlRow{okButton,         button,  "OK",                      4245, 2400, 1260, 345,   font, buttonFace, notSet,     0},
    ControlRow{systemInfoButton, button,  "&System Info...",         4260, 2880, 1245, 345,   font, buttonFace, notSet,     2},
    ControlRow{"Label1",         label,   "14/11/2003",              3000, 780,  1455, 225,   font, darkRed,    buttonText, 7},
    ControlRow{"lblDescription", label,   description,               1050, 1125, 3885, 930,   font, darkRed,    black,      3},
    ControlRow{title,            label,   "",                        1050, 240,  3885, 480,   font, darkRed,    black,      5},
    ControlRow{version,          label,   "",                        1050, 780,  1125, 225,   font, darkRed,    buttonText, 6},
    ControlRow{"lblDisclaimer",  label,   disclaimer,                255,  2400, 3870, 585,   font, darkRed,    black,      4},
};

// Element 1 of Line1 first, element 0 over it.
constexpr std::array lines = {
    LineRow{120, 2280, 5684, 2280, Colour::fromRgb(128, 128, 128), 1},
    LineRow{105, 2280, 5654, 2280, Colour::fromRgb(255, 255, 255), 2},
};

constexpr std::array accessible = {
    AccessibleRow{okButton,          "OK",               "Closes the About box"},
    AccessibleRow{systemInfoButton,  "System Info",      "Starts the system information program"},
    AccessibleRow{"Text1",           "Website",          "The author's website address"},
    AccessibleRow{"picIcon",         "Brintamo's icon",  "The program's icon"},
};

constexpr WindowTable table{
    "frmAbout", "", 5730, 3555, darkRed, controls, {},
    Border::FixedDialog, 2340, 1935, lines, okButton, okButton, accessible,
};
// clang-format on

} // namespace

const WindowTable& aboutBoxTable() {
    return table;
}

} // namespace forms
