#include "HelpWindowTable.h"

#include <array>

namespace forms {

namespace {

constexpr FontSpec titleFont{18, false};
constexpr auto label = ControlKind::Label;
constexpr auto picture = ControlKind::PictureBox;

constexpr char paragraph1[] =
    "This is very simple program that calculates the quadratic roots of the equation entered.  "
    "This has helped me through many a maths homework.  This is mainly used at GCSE level and "
    "A-Level.";
constexpr char paragraph2[] =
    "There are no known problems with this program, it also tells you if there are no real roots "
    "(A-Level), which did cause problems in the original version of this program.  BUT, you must "
    "have the equation equal zero for you to get the right answer.  If for example, the equation "
    "equals three, then take three away from both sides.";
constexpr char paragraph3[] =
    "Once you have got the answer, it is easy to fill in the working out.  See Below.";

// clang-format off
constexpr std::array controls = {
    //         name        kind     text        left  top   width height font         back    fore    tab
    ControlRow{"Label1",   label,   "Help",     2040, 120,  855,  495,   titleFont,   notSet, notSet, 0},
    ControlRow{"Label2",   label,   paragraph1, 240,  600,  4335, 975,   defaultFont, notSet, notSet, 1},
    ControlRow{"Label3",   label,   paragraph2, 240,  1680, 4335, 1335,  defaultFont, notSet, notSet, 2},
    ControlRow{"Label4",   label,   paragraph3, 240,  3120, 4335, 615,   defaultFont, notSet, notSet, 3},
    ControlRow{"Picture1", picture, "",         240,  3960, 2535, 2655,  defaultFont, notSet, notSet, 4, "help-example.bmp"},
};

constexpr std::array accessible = {
    AccessibleRow{"Picture1", "Worked example",
        "For the formula 1 x squared + 14 x + 45 = 0 the program gives the roots x = -5 or x = -9. "
        "The working out: (x+5) (x+9) = 0, so x+5 = 0 or x+9 = 0, so x = -5 or x = -9."},
};

constexpr WindowTable table{
    "Help", "Help", 4890, 6840, notSet, controls, {},
    Border::Sizable, -1, -1, {}, nullptr, nullptr, accessible,
};
// clang-format on

} // namespace

const WindowTable& helpWindowTable() {
    return table;
}

} // namespace forms
