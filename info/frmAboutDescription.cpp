#include "frmAboutDescription.h"

#include <array>

namespace {

using platform::Colour;
using platform::ControlKind;
using platform::notSet;

constexpr Colour darkRed = Colour::fromRgb(192, 0, 0);
constexpr Colour black = Colour::fromRgb(0, 0, 0);
constexpr Colour buttonText = platform::systemButtonText;
constexpr Colour buttonFace = platform::systemHighlight;
constexpr auto font = platform::defaultFont;
constexpr auto label = ControlKind::Label;
constexpr auto button = ControlKind::CommandButton;

constexpr char disclaimer[] = "This is my first completely independent program.  Please pass it on "
                              "to your friends and tell them about my website:";

// clang-format off
constexpr std::array controls = {
    //                     name              kind                     text                      left  top   width height font  back     fore        tab
    platform::ControlDescription{"Text1",          ControlKind::TextBox,    "http://www.example.com/", 240,  3000, 3615, 285,  font, notSet,  notSet,     8},
    platform::ControlDescription{"picIcon",        ControlKind::PictureBox, "",                      240,  240,  540,  540,  font, darkRed, notSet,     1,
                                 ":/info/about.ico"},
    platform::ControlDescription{"cmdOK",          button,                  "OK",                    4245, 2400, 1260, 345,  font, buttonFace, notSet,  0},
    platform::ControlDescription{"cmdSysInfo",     button,                  "&System Info...",       4260, 2880, 1245, 345,  font, buttonFace, notSet,  2},
    platform::ControlDescription{"Label1",         label,                   "14/11/2003",            3000, 780,  1455, 225,  font, darkRed, buttonText, 7},
    platform::ControlDescription{"lblDescription", label,                   "A simple program that calculates the roots of a given equation.",
                                                                                                     1050, 1125, 3885, 930,  font, darkRed, black,      3},
    platform::ControlDescription{"lblTitle",       label,                   "",                      1050, 240,  3885, 480,  font, darkRed, black,      5},
    platform::ControlDescription{"lblVersion",     label,                   "",                      1050, 780,  1125, 225,  font, darkRed, buttonText, 6},
    platform::ControlDescription{"lblDisclaimer",  label,                   disclaimer,              255,  2400, 3870, 585,  font, darkRed, black,      4},
};

// Element 1 of Line1 first, element 0 over it.
constexpr std::array lines = {
    platform::LineDescription{120, 2280, 5684, 2280, Colour::fromRgb(128, 128, 128), 1},
    platform::LineDescription{105, 2280, 5654, 2280, Colour::fromRgb(255, 255, 255), 2},
};

constexpr std::array accessible = {
    platform::AccessibleDescription{"cmdOK",      "OK",               "Closes the About box"},
    platform::AccessibleDescription{"cmdSysInfo", "System Info",      "Starts the system information program"},
    platform::AccessibleDescription{"Text1",      "Website",          "The author's website address"},
    platform::AccessibleDescription{"picIcon",    "Brintamo's icon",  "The program's icon"},
};

constexpr platform::WindowDescription description{
    "frmAbout", "", 5730, 3555, darkRed, controls, {},
    platform::Border::FixedDialog, 2340, 1935, lines, "cmdOK", "cmdOK", accessible,
};
// clang-format on

} // namespace

const platform::WindowDescription& frmAboutDescription() {
    return description;
}
