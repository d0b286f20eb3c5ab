// The Windows windows built from their tables inside the test, on Wine's X display: at each
// scaling, what the table says of every control, line and colour, and the whole look against
// reference pictures; the focus when a window opens and where the dialog keys take it; what a
// screen reader hears for each control.

#include "AboutBoxTable.h"
#include "FormBuilder.h"
#include "HelpWindowTable.h"
#include "LiveAllocations.h"
#include "MainWindowTable.h"
#include "RowNames.h"
#include "Utf16.h"
#include "WindowPictures.h"
#include "Windows.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct RecordingMessages final : forms::MessageService {
    int showMessage(const std::string& text) override {
        shown.push_back(text);
        return forms::messageBoxOk;
    }
    std::vector<std::string> shown;
};

// Runs the program's own loop for a moment.
void pump() {
    for (int round = 0; round < 20; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            win32::dispatch(message);
        }
        Sleep(10);
    }
}

// As Windows does when a window moves to a monitor of another scaling: it suggests a place with
// the client area scaled.
void moveToDpi(HWND window, UINT dpi) {
    RECT client;
    GetClientRect(window, &client);
    RECT suggested{0, 0, MulDiv(client.right, int(dpi), 96), MulDiv(client.bottom, int(dpi), 96)};
    AdjustWindowRectExForDpi(&suggested, DWORD(GetWindowLongW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr, DWORD(GetWindowLongW(window, GWL_EXSTYLE)),
                             dpi);
    RECT place;
    GetWindowRect(window, &place);
    OffsetRect(&suggested, place.left - suggested.left, place.top - suggested.top);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
}

struct WindowCase {
    const char* name;
    const forms::WindowTable& (*table)();
};

void PrintTo(const WindowCase& window, std::ostream* out) {
    *out << window.name;
}

const WindowCase mainWindow{"Brintamo", forms::mainWindowTable};
const WindowCase aboutBox{"frmAbout", forms::aboutBoxTable};
const WindowCase helpWindow{"Help", forms::helpWindowTable};
const WindowCase windows[] = {mainWindow, aboutBox, helpWindow};

// A window of the program, shown, as the program makes it.
class Shown {
public:
    explicit Shown(const WindowCase& window) : table_(window.table()) {
        SetCaretBlinkTime(INFINITE); // a steady text cursor keeps pictures comparable
        if (window.table == forms::mainWindowTable) {
            form_ = std::make_unique<win32::MainWindow>(messages);
        } else if (window.table == forms::aboutBoxTable) {
            form_ = std::make_unique<win32::AboutBox>(messages);
        } else {
            form_ = std::make_unique<win32::Form>(table_);
        }
        form_->show();
        pump();
    }
    HWND window() const { return form_->window(); }
    HWND control(const char* name) const { return form_->control(name); }
    std::string focused() const {
        const auto index = std::size_t(GetDlgCtrlID(GetFocus()) - win32::firstControlId);
        return window() == nullptr ? "(closed)"
               : IsChild(window(), GetFocus()) && index < table_.controls.size()
                   ? table_.controls[index].name
                   : "(not a control of the window)";
    }

    RecordingMessages messages;

private:
    const forms::WindowTable& table_;
    std::unique_ptr<win32::Form> form_;
};

// Keys as the keyboard sends them, to whichever control has the focus; each held down in turn
// and let go in the reverse order.
void pressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> strokes;
    for (const WORD key : keys) {
        strokes.push_back({INPUT_KEYBOARD, {}});
        strokes.back().ki.wVk = key;
    }
    for (auto key = keys.end(); key != keys.begin();) {
        strokes.push_back({INPUT_KEYBOARD, {}});
        strokes.back().ki.wVk = *--key;
        strokes.back().ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(UINT(strokes.size()), strokes.data(), sizeof(INPUT));
    pump();
}

class EachWindow : public testing::TestWithParam<WindowCase> {};

// The focus opens on the first control by tab index and Tab follows the indexes round again;
// labels never take it.
TEST_P(EachWindow, tabFollowsTheTabIndexesRoundAgain) {
    const Shown shown(GetParam());
    std::vector<const forms::ControlRow*> focusable;
    for (const forms::ControlRow& row : GetParam().table().controls) {
        if (row.kind != forms::ControlKind::Label) {
            focusable.push_back(&row);
        }
    }
    std::ranges::sort(focusable, {}, &forms::ControlRow::tabIndex);
    std::vector<std::string> expected;
    std::vector<std::string> visited;
    for (std::size_t step = 0; step <= focusable.size(); ++step) {
        expected.emplace_back(focusable[step % focusable.size()]->name);
        visited.push_back(shown.focused());
        pressKeys({VK_TAB});
    }
    EXPECT_EQ(visited, expected);
}

// What a screen reader hears of a control: its name, then its description.
std::string heard(HWND control) {
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible)) != S_OK) {
        return "(nothing)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    std::string said;
    for (const auto get : {&IAccessible::get_accName, &IAccessible::get_accDescription}) {
        BSTR text = nullptr;
        (accessible->*get)(self, &text);
        said += win32::utf8(text != nullptr ? text : L"") + '|';
        SysFreeString(text);
    }
    accessible->Release();
    return said;
}

TEST_P(EachWindow, screenReadersHearTheNameAndDescriptionOfEachControl) {
    const Shown shown(GetParam());
    for (const forms::AccessibleRow& row : GetParam().table().accessible) {
        EXPECT_EQ(heard(shown.control(row.control)),
                  std::string(row.name) + '|' + row.description + '|');
    }
}

// Opened, moved to another scaling (which replaces its pictures), heard by a screen reader and
// closed, a window leaves nothing behind that the program allocated.
TEST_P(EachWindow, leavesNothingBehindOnceClosed) {
    const auto openHearAndClose = [] {
        const Shown shown(GetParam());
        moveToDpi(shown.window(), 144);
        for (const forms::AccessibleRow& row : GetParam().table().accessible) {
            heard(shown.control(row.control));
        }
    };
    openHearAndClose(); // what is made once a run is made now
    const long before = liveAllocations();
    openHearAndClose();
    EXPECT_EQ(liveAllocations() - before, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, EachWindow, testing::ValuesIn(windows), ByRowName());

// What a key does in a window, the focus first on `focus`: where the focus is then, or that the
// window closed, and whether a message was shown.
struct KeyRow {
    const char* name;
    const WindowCase& window;
    const char* focus;
    std::initializer_list<WORD> keys;
    std::string then;
};

const std::initializer_list<WORD> shiftTab{VK_SHIFT, VK_TAB}, enter{VK_RETURN}, escape{VK_ESCAPE},
    space{VK_SPACE}, altS{VK_MENU, 'S'};
const std::string unavailable = " after \"System Information Is Unavailable At This Time\"";
const KeyRow keyRows[] = {
    {"main window, Shift+Tab from the a box round to CLEAR", mainWindow, "Text1", shiftTab,
     "Command2"},
    {"main window, Shift+Tab from c back to b", mainWindow, "Text3", shiftTab, "Text2"},
    {"main window, Enter in a box does nothing", mainWindow, "Text1", enter, "Text1"},
    {"main window, Escape in a box does nothing", mainWindow, "Text2", escape, "Text2"},
    {"main window, Space presses CALCULATE", mainWindow, "Command1", space,
     "Command1 after \"Please enter a number into all of the boxes.\""},
    {"About, Escape on OK closes", aboutBox, "cmdOK", escape, "(closed)"},
    {"About, Escape on System Info closes", aboutBox, "cmdSysInfo", escape, "(closed)"},
    {"About, Enter on OK closes", aboutBox, "cmdOK", enter, "(closed)"},
    {"About, Enter on System Info presses it", aboutBox, "cmdSysInfo", enter,
     "cmdSysInfo" + unavailable},
    {"About, Alt+S presses System Info", aboutBox, "cmdOK", altS, "cmdSysInfo" + unavailable},
    {"About, Shift+Tab from OK round to the address", aboutBox, "cmdOK", shiftTab, "Text1"},
    {"Help, Escape does nothing", helpWindow, "Picture1", escape, "Picture1"},
    {"Help, Shift+Tab stays on the only control", helpWindow, "Picture1", shiftTab, "Picture1"},
};

class Keys : public testing::TestWithParam<KeyRow> {};

TEST_P(Keys, workAsInDialogs) {
    const KeyRow& row = GetParam();
    Shown shown(row.window);
    SetFocus(shown.control(row.focus));
    pressKeys(row.keys);
    std::string then = shown.focused();
    for (const std::string& message : shown.messages.shown) {
        then += " after \"" + message + '"';
    }
    EXPECT_EQ(then, row.then);
}

INSTANTIATE_TEST_SUITE_P(rows, Keys, testing::ValuesIn(keyRows), ByRowName());

int pixels(int twips, UINT dpi) {
    return MulDiv(twips, int(dpi), 1440);
}

COLORREF colourOf(const forms::Colour& colour, int fallback) {
    switch (colour.source) {
    case forms::Colour::Source::Rgb:
        return RGB(colour.rgb >> 16, colour.rgb >> 8 & 0xFF, colour.rgb & 0xFF);
    case forms::Colour::Source::System:
        return GetSysColor(int(colour.system));
    default:
        return GetSysColor(fallback);
    }
}

// The colour most of an area shows.
COLORREF mostOf(const pictures::Picture& picture, const RECT& area) {
    std::map<COLORREF, int> counts;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            ++counts[picture.at(x, y)];
        }
    }
    return std::ranges::max_element(counts, {}, &std::pair<const COLORREF, int>::second)->first;
}

class AtScaling : public testing::TestWithParam<std::tuple<WindowCase, UINT>> {};

// Each control where its twips say, in its font at its points, its face in its background
// colour; each line in its colour; and all of it as the reference picture shows.
TEST_P(AtScaling, looksAsItsTableSays) {
    const auto& [window, dpi] = GetParam();
    const forms::WindowTable& table = window.table();
    const Shown shown(window);
    if (dpi != 96) {
        moveToDpi(shown.window(), dpi);
    }
    const pictures::Picture picture = pictures::shown(shown.window());
    EXPECT_EQ(picture.width, pixels(table.clientWidth, dpi));
    EXPECT_EQ(picture.height, pixels(table.clientHeight, dpi));
    for (const forms::ControlRow& row : table.controls) {
        const HWND control = shown.control(row.name);
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, shown.window(), reinterpret_cast<POINT*>(&place), 2);
        const RECT expected{pixels(row.left, dpi), pixels(row.top, dpi),
                            pixels(row.left, dpi) + pixels(row.width, dpi),
                            pixels(row.top, dpi) + pixels(row.height, dpi)};
        EXPECT_TRUE(EqualRect(&place, &expected)) << row.name;
        if (row.kind == forms::ControlKind::PictureBox) {
            continue; // shows a picture, not text
        }
        const bool box = row.kind == forms::ControlKind::TextBox;
        EXPECT_EQ(mostOf(picture, place),
                  colourOf(row.background, box ? COLOR_WINDOW : COLOR_BTNFACE))
            << row.name;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(-font.lfHeight, int(row.font.points * dpi / 72 + 0.5)) << row.name;
        EXPECT_EQ(font.lfWeight, row.font.bold ? FW_BOLD : FW_NORMAL) << row.name;
        EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif") << row.name;
    }
    for (const forms::LineRow& line : table.lines) { // seen along it, where no later one lies
        const int length = std::max(std::abs(line.x2 - line.x1), std::abs(line.y2 - line.y1));
        int seen = 0;
        for (int step = 0; step < length; step += 15) {
            seen += picture.at(pixels(line.x1 + (line.x2 - line.x1) * step / length, dpi),
                               pixels(line.y1 + (line.y2 - line.y1) * step / length, dpi)) ==
                            colourOf(line.colour, COLOR_BTNTEXT)
                        ? 1
                        : 0;
        }
        EXPECT_GT(seen, 0) << "the line from " << line.x1 << ',' << line.y1;
    }
    EXPECT_TRUE(pictures::matchesReference(picture, std::string(window.name) + '-' +
                                                        std::to_string(dpi) + "dpi"));
}

INSTANTIATE_TEST_SUITE_P(rows, AtScaling,
                         testing::Combine(testing::ValuesIn(windows),
                                          testing::Values(96U, 144U, 192U)),
                         [](const testing::TestParamInfo<AtScaling::ParamType>& row) {
                             return testName(std::get<0>(row.param).name) + "_at_" +
                                    std::to_string(std::get<1>(row.param)) + "dpi";
                         });

// In use: three messages printed their lines, CLEAR is held down and CALCULATE shows the focus
// mark that the keyboard brings.
TEST(MainWindow, inUseLooksAsItsReference) {
    const Shown shown(mainWindow);
    const HWND calculate = shown.control(forms::mainWindow::calculateButton);
    for (int press = 0; press < 3; ++press) {
        SendMessageW(calculate, BM_CLICK, 0, 0);
    }
    SetFocus(shown.control(forms::mainWindow::secondRoot));
    pressKeys({VK_TAB}); // to CALCULATE
    SendMessageW(shown.control(forms::mainWindow::clearButton), BM_SETSTATE, TRUE, 0);
    pump();
    EXPECT_TRUE(pictures::matchesReference(pictures::shown(shown.window()), "Brintamo-in-use"));
}

// The menu bar holds the table's menus and, in each drop-down, its items, by their captions.
TEST(MainWindow, hasTheMenusOfItsTable) {
    const Shown shown(mainWindow);
    const HMENU bar = GetMenu(shown.window());
    const auto caption = [](HMENU menu, int index) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, UINT(index), text, 64, MF_BYPOSITION);
        return std::wstring(text);
    };
    const auto wide = [](const char* text) { return std::wstring(text, text + strlen(text)); };
    const auto& menus = forms::mainWindowTable().menus;
    ASSERT_EQ(GetMenuItemCount(bar), int(menus.size()));
    for (int menu = 0; menu < int(menus.size()); ++menu) {
        EXPECT_EQ(caption(bar, menu), wide(menus[menu].caption));
        const HMENU dropDown = GetSubMenu(bar, menu);
        EXPECT_EQ(dropDown != nullptr ? GetMenuItemCount(dropDown) : 0,
                  int(menus[menu].items.size()));
        for (int item = 0; item < int(menus[menu].items.size()) && dropDown != nullptr; ++item) {
            EXPECT_EQ(caption(dropDown, item), wide(menus[menu].items[item].caption));
        }
    }
}

// A click on a picture box gives it the focus, as on any control that takes it.
TEST(PictureBoxes, takeTheFocusOnAClick) {
    const Shown shown(aboutBox);
    SendMessageW(shown.control("picIcon"), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    pump();
    EXPECT_EQ(shown.focused(), "picIcon");
}

// Pasted, a text longer than an edit control's own limit is kept whole.
TEST(Boxes, takeAnyLength) {
    const Shown shown(mainWindow);
    const HWND box = shown.control(forms::mainWindow::coefficientA);
    const std::wstring pasted = L"0." + std::wstring(39997, L'0') + L"1";
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_EQ(GetWindowTextLengthW(box), int(pasted.size()));
}

} // namespace
