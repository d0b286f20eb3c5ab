// What every window of the program promises, written once and checked on each front end through
// its probe, at the scaling the run is given: each control where its table puts it, in its font
// and colours, its caption whole; pictures whole; the tab order of the tab indexes; what a screen
// reader hears; the keys of dialogs; the program's message box, its answer printed on the window;
// the look against reference pictures; and nothing left behind once a window is closed.

#include "AboutBoxTable.h"
#include "CaseTable.h"
#include "Contrast.h"
#include "LiveAllocations.h"
#include "MainWindowTable.h"
#include "RowNames.h"
#include "WindowCases.h"
#include "WindowProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace {

using namespace forms::mainWindow;

double pixels(int twips) {
    return twips * probe::scale() / 15;
}

// A reference picture's name at this run's scaling: "Help-1.5x".
std::string atScale(const std::string& name) {
    std::ostringstream text;
    text << name << '-' << probe::scale() << 'x';
    return text.str();
}

// The colour most of an area shows.
std::uint32_t mostOf(const pictures::Picture& picture, const probe::Area& area) {
    std::map<std::uint32_t, int> counts;
    for (int y = int(area.top); y < int(area.top + area.height); ++y) {
        for (int x = int(area.left); x < int(area.left + area.width); ++x) {
            ++counts[picture.at(x, y)];
        }
    }
    return std::ranges::max_element(counts, {}, &std::pair<const std::uint32_t, int>::second)
        ->first;
}

// A control's background: for a box, the one the platform pairs with the window-text colour where
// the described one would leave its text unreadable.
std::uint32_t background(const forms::ControlRow& row) {
    const std::uint32_t described = probe::colour(row.background, row.kind);
    const bool box = row.kind == forms::ControlKind::TextBox && row.foreground.isSet();
    return !box || forms::readable(probe::colour(row.foreground, row.kind), described)
               ? described
               : probe::colour(forms::notSet, row.kind);
}

// A label's lines at 100 %, where both front ends have MS Sans Serif itself: those of
// label-lines.txt ("window | label | line", a row a line), which break only at spaces; any other
// label shows its text on one.
std::vector<std::string> linesOf(const std::string& window, const char* label,
                                 const std::string& text) {
    static const auto rows = cases::read(BRINTAMO_WINDOW_SUITE_DATA "/label-lines.txt", 3);
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        if (row[0] == window && row[1] == label) {
            lines.push_back(row[2]);
        }
    }
    return lines.empty() ? std::vector{text} : lines;
}

// The control's text as it shows it, all its lines.
probe::Area textBounds(const probe::Window& window, const char* control) {
    probe::Area bounds;
    for (const std::string& line : window.lines(control)) {
        const probe::Area size = window.measure(control, line);
        bounds.width = std::max(bounds.width, size.width);
        bounds.height += size.height;
    }
    return bounds;
}

std::vector<const forms::ControlRow*> inTabOrder(const forms::WindowTable& table) {
    std::vector<const forms::ControlRow*> focusable;
    for (const forms::ControlRow& row : table.controls) {
        if (row.kind != forms::ControlKind::Label) {
            focusable.push_back(&row);
        }
    }
    std::ranges::sort(focusable, {}, &forms::ControlRow::tabIndex);
    return focusable;
}

class EachWindow : public testing::TestWithParam<WindowCase> {};

TEST_P(EachWindow, looksAsItsTableSays) {
    const forms::WindowTable& table = GetParam().table();
    const auto window = probe::open(table);
    const probe::Area client = window->clientArea();
    EXPECT_NEAR(client.width, pixels(table.clientWidth), 0.5);
    EXPECT_NEAR(client.height, pixels(table.clientHeight), 0.5);
    if (table.clientLeft >= 0 && probe::scale() == 1) { // later, wherever a new scaling moved it
        EXPECT_NEAR(client.left, pixels(table.clientLeft), 0.5) << "a fixed first place";
        EXPECT_NEAR(client.top, pixels(table.clientTop), 0.5) << "a fixed first place";
    }
    const bool sizable = table.border == forms::Border::Sizable;
    EXPECT_EQ(window->resizable(), sizable);
    EXPECT_EQ(window->inTaskbar(), sizable);

    const pictures::Picture picture = window->picture();
    for (const forms::ControlRow& row : table.controls) {
        const probe::Area place = window->place(row.name);
        EXPECT_NEAR(place.left, pixels(row.left), 0.5) << row.name;
        EXPECT_NEAR(place.top, pixels(row.top), 0.5) << row.name;
        EXPECT_NEAR(place.width, pixels(row.width), 0.5) << row.name;
        EXPECT_NEAR(place.height, pixels(row.height), 0.5) << row.name;
        const probe::Area text = textBounds(*window, row.name);
        EXPECT_TRUE(text.width <= place.width && text.height <= place.height)
            << row.name << " shows its whole caption";
        if (row.kind == forms::ControlKind::Label && probe::scale() == 1) {
            EXPECT_EQ(window->lines(row.name),
                      linesOf(GetParam().name, row.name, window->text(row.name)))
                << row.name;
        }
        if (row.kind == forms::ControlKind::PictureBox) {
            continue;
        }
        EXPECT_EQ(mostOf(picture, place), background(row)) << row.name;
        const probe::FontSeen font = window->font(row.name);
        EXPECT_NEAR(font.pixelHeight, row.font.points * 96 / 72 * probe::scale(), 0.5) << row.name;
        EXPECT_EQ(font.bold, row.font.bold) << row.name;
    }
    // Its lines, and its pictures shown whole, are in the reference picture.
    EXPECT_TRUE(
        pictures::matchesReference(picture, probe::referenceFolder(), atScale(GetParam().name)));
}

// The focus opens on the first control by tab index, and Tab follows the indexes round again;
// labels never take it.
TEST_P(EachWindow, tabFollowsTheTabIndexesRoundAgain) {
    const auto window = probe::open(GetParam().table());
    const auto focusable = inTabOrder(GetParam().table());
    std::vector<std::string> expected;
    std::vector<std::string> visited;
    for (std::size_t step = 0; step <= focusable.size(); ++step) {
        expected.emplace_back(focusable[step % focusable.size()]->name);
        visited.push_back(window->focused());
        probe::press("Tab");
    }
    EXPECT_EQ(visited, expected);
}

// Each control that takes the focus is heard with its role, name and description; each one the
// table describes, as the table says.
TEST_P(EachWindow, screenReadersHearEachControl) {
    const forms::WindowTable& table = GetParam().table();
    const auto window = probe::open(table);
    for (const forms::ControlRow* row : inTabOrder(table)) {
        const probe::Heard heard = window->heard(row->name);
        EXPECT_EQ(heard.role, row->kind) << row->name;
        EXPECT_FALSE(heard.name.empty() || heard.description.empty()) << row->name;
    }
    for (const forms::AccessibleRow& row : table.accessible) {
        const probe::Heard heard = window->heard(row.control);
        EXPECT_EQ(heard.name + '|' + heard.description,
                  std::string(row.name) + '|' + row.description);
    }
}

// Opened, heard by a screen reader and closed, a window leaves nothing behind that the program
// allocated.
TEST_P(EachWindow, leavesNothingBehindOnceClosed) {
    const auto openHearAndClose = [] {
        const auto window = probe::open(GetParam().table());
        for (const forms::AccessibleRow& row : GetParam().table().accessible) {
            window->heard(row.control);
        }
    };
    openHearAndClose(); // what is made once a run is made now...
    openHearAndClose(); // ...or, by some toolkits, the first time it is used again
    const long before = liveAllocations();
    openHearAndClose();
    EXPECT_EQ(liveAllocations() - before, 0);
}

INSTANTIATE_TEST_SUITE_P(rows, EachWindow, testing::ValuesIn(windowCases), ByRowName());

// What keys do, from the rows of keys.txt: "name | window | focus | keys | then", where "then"
// is the control that has the focus afterwards, or "(closed)", with any message shown.
struct KeyRow {
    std::string name, window, focus, keys, then;
};

void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << row.name;
}

class Keys : public testing::TestWithParam<KeyRow> {};

TEST_P(Keys, workAsInDialogs) {
    const KeyRow& row = GetParam();
    probe::answerMessages(probe::Answer::Enter);
    const auto window =
        probe::open(std::ranges::find(windowCases, row.window, &WindowCase::name)->table());
    window->setFocus(row.focus.c_str());
    probe::press(row.keys);
    std::string then = window->focused();
    for (const probe::MessageSeen& message : probe::takeMessagesSeen()) {
        then += " after \"" + message.text + '"';
    }
    EXPECT_EQ(then, row.then);
}

INSTANTIATE_TEST_SUITE_P(rows, Keys,
                         testing::ValuesIn(cases::rowsOf<KeyRow, 5>(BRINTAMO_WINDOW_SUITE_DATA
                                                                    "/keys.txt")),
                         ByRowName());

// A step of the session in session.txt.
struct SessionRow {
    std::string name, a, b, c, button, answer, then, reference;
};

probe::Answer answerNamed(const std::string& name) {
    const std::map<std::string, probe::Answer> answers = {
        {"Enter", probe::Answer::Enter},
        {"Escape", probe::Answer::Escape},
        {"CloseButton", probe::Answer::CloseButton},
        {"ClickOk", probe::Answer::ClickOk}};
    return answers.at(name);
}

// The program's messages and roots through a session, each message closed as the row says: its
// title, its one button, its text from the left margin, Ctrl+C copying it all, the focus back
// where it was, and the answer printed as OK's. Typed coefficients count to their last character.
TEST(MainWindow, aSessionWithTheProgramsMessages) {
    const auto window = probe::open(forms::mainWindowTable());
    window->setFocus(coefficientA);
    for (const char* key : {"1", "Tab", "-", "3", "Tab", "2"}) {
        probe::press(key);
    }
    window->setFocus(calculateButton);
    probe::press("Space");
    EXPECT_EQ(window->text(firstRoot) + ' ' + window->text(secondRoot), "2 1");

    for (const SessionRow& row :
         cases::rowsOf<SessionRow, 8>(BRINTAMO_WINDOW_SUITE_DATA "/session.txt")) {
        SCOPED_TRACE(row.name);
        for (const auto& [box, text] :
             {std::pair{coefficientA, row.a}, {coefficientB, row.b}, {coefficientC, row.c}}) {
            window->view().setText(box, text);
        }
        probe::answerMessages(answerNamed(row.answer));
        window->setFocus(row.button.c_str());
        probe::press("Space");
        std::string then = window->text(coefficientA);
        for (const char* box : {coefficientB, coefficientC, firstRoot, secondRoot}) {
            then += '|' + window->text(box);
        }
        const auto seen = probe::takeMessagesSeen();
        for (const probe::MessageSeen& message : seen) {
            then += " after \"" + message.text + '"';
            const std::string rule = "---------------------------\n";
            EXPECT_EQ(message.title + '|' + std::to_string(message.buttons), "Brintamo|1");
            const std::string copy =
                rule + "Brintamo\n" + rule + message.text + '\n' + rule + "OK   \n" + rule;
            EXPECT_EQ(message.copied.value_or(copy), copy);
            EXPECT_TRUE(row.reference == "(none)" ||
                        pictures::matchesReference(message.picture, probe::referenceFolder(),
                                                   atScale(row.reference)));
        }
        EXPECT_EQ(then, row.then);
        EXPECT_EQ(window->focused(), row.button);
    }
    // Four lines " 1 ", CLEAR held down, and the focus mark that the keyboard brings on CALCULATE.
    window->setFocus(secondRoot);
    probe::press("Tab");
    window->holdDown(clearButton);
    EXPECT_TRUE(pictures::matchesReference(window->picture(), probe::referenceFolder(),
                                           atScale("Brintamo-in-use")));
}

// The top of the strip left of the boxes where printed lines show; -1 if none shows.
int firstPrintedRow(const pictures::Picture& shown) {
    const std::uint32_t background = shown.at(0, shown.height - 1);
    for (int y = 0; y < int(pixels(840)); ++y) { // above the coefficient boxes
        for (int x = 0; x < int(pixels(600)); ++x) {
            if (shown.at(x, y) != background) {
                return y;
            }
        }
    }
    return -1;
}

// Printed lines are drawn once, behind the controls; the repaint after the window is minimised
// and restored erases them, and the next line still goes below the last one printed.
TEST(MainWindow, printedLinesStayBehindTheControlsAndAreNotDrawnAgain) {
    const auto window = probe::open(forms::mainWindowTable());
    const probe::Area box = window->place(coefficientA);
    const auto boxShown = [&] {
        return window->picture().part(int(box.left), int(box.top), int(box.width), int(box.height));
    };
    const pictures::Picture before = boxShown();
    for (int line = 0; line < 4; ++line) {
        window->view().printLine(" 1 ");
    }
    const int first = firstPrintedRow(window->picture());
    EXPECT_TRUE(first >= 0 && first < pixels(60)) << "the first line at the top: " << first;
    for (int line = 0; line < 20; ++line) {
        window->view().printLine("8888888888888888888888888888");
    }
    EXPECT_EQ(boxShown().pixels, before.pixels);
    window->minimiseAndRestore();
    EXPECT_EQ(firstPrintedRow(window->picture()), -1);
    window->view().printLine(" 1 "); // 25 lines down: below the boxes' top
    EXPECT_EQ(firstPrintedRow(window->picture()), -1);
}

// Help and About each exist once: chosen again, the open one comes to the front; closed, the
// next choice makes it afresh.
TEST(MainWindow, opensHelpAndAboutOnceEach) {
    const auto window = probe::open(forms::mainWindowTable());
    for (const char* item : {helpItem, aboutItem, helpItem, aboutItem}) {
        window->choose(item);
    }
    EXPECT_EQ(probe::windowsTitled("Help"), 1);
    EXPECT_EQ(probe::windowsTitled("About Brintamo"), 1);
    EXPECT_EQ(probe::activeTitle(), "About Brintamo");
    probe::press("Escape");
    EXPECT_EQ(probe::windowsTitled("About Brintamo"), 0);
    window->choose(aboutItem);
    EXPECT_EQ(probe::windowsTitled("About Brintamo"), 1);
}

// After the user has been in another window, the control that had the focus has it again.
TEST(MainWindow, keepsTheFocusAcrossSwitchingAway) {
    const auto window = probe::open(forms::mainWindowTable());
    window->setFocus(coefficientB);
    window->switchAwayAndBack();
    EXPECT_EQ(window->focused(), coefficientB);
}

// A box takes a text of any length, and of a pasted text its first line.
TEST(MainWindow, boxesTakeAnyLengthAndAPastedFirstLine) {
    const auto window = probe::open(forms::mainWindowTable());
    window->setFocus(coefficientA);
    probe::setClipboard("0." + std::string(39997, '0') + "1");
    probe::press("Ctrl+V");
    EXPECT_EQ(window->text(coefficientA).size(), 40000U);
    window->setFocus(coefficientC);
    probe::setClipboard("0.5\r\n4");
    probe::press("Ctrl+V");
    EXPECT_EQ(window->text(coefficientC), "0.5");
}

TEST(AboutBox, itsPictureTakesTheFocusOnAClick) {
    const auto window = probe::open(forms::aboutBoxTable());
    window->click("picIcon");
    EXPECT_EQ(window->focused(), "picIcon");
}

} // namespace

int main(int argc, char** argv) {
    double scale = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]).starts_with("--scale=")) {
            scale = std::stod(argv[i] + 8);
        }
    }
    const auto toolkit = probe::start(argc, argv, scale);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
