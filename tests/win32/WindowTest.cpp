// The Windows windows built from their tables inside the test, on Wine's X display, and checked
// against their tables: the focus when a window opens and where Tab takes it, what a screen
// reader hears for each control, the picture boxes' pixels, bold captions, and everything made
// again for a new DPI.

#include "AboutBoxTable.h"
#include "FormBuilder.h"
#include "HelpWindowTable.h"
#include "MainWindowTable.h"
#include "Resources.h"
#include "RowNames.h"
#include "Windows.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class SilentMessages final : public forms::MessageService {
public:
    int showMessage(const std::string&) override { return forms::messageBoxOk; }
};

void pump() {
    for (int round = 0; round < 20; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

void moveToDpi(HWND window, UINT dpi) {
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, int(dpi), 96);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, int(dpi), 96);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
}

struct WindowCase {
    const char* name;
    const forms::WindowTable& (*table)();
    const char* focusAtStart;
};

const WindowCase windows[] = {
    {"main_window", forms::mainWindowTable, forms::mainWindow::coefficientA},
    {"about_box", forms::aboutBoxTable, forms::aboutBox::okButton},
    {"help_window", forms::helpWindowTable, "Picture1"},
};

std::unique_ptr<win32::Form> build(const WindowCase& window) {
    static SilentMessages messages;
    if (window.table == forms::mainWindowTable) {
        return std::make_unique<win32::MainWindow>(messages);
    }
    if (window.table == forms::aboutBoxTable) {
        return std::make_unique<win32::AboutBox>(messages);
    }
    return std::make_unique<win32::Form>(window.table());
}

class EachWindow : public testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override {
        form_ = build(GetParam());
        form_->show();
        pump();
    }
    const forms::WindowTable& table() const { return GetParam().table(); }
    std::string focusedName() const {
        const auto index = std::size_t(GetDlgCtrlID(GetFocus()) - win32::firstControlId);
        return IsChild(form_->window(), GetFocus()) && index < table().controls.size()
                   ? table().controls[index].name
                   : "(not a control of the window)";
    }
    void pressTab() const {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageW(form_->window(), &tab);
        pump();
    }

    std::unique_ptr<win32::Form> form_;
};

TEST_P(EachWindow, opensWithTheFocusWhereItsFirstControlIs) {
    EXPECT_EQ(focusedName(), GetParam().focusAtStart);
}

// Labels never take the focus; boxes, buttons and picture boxes do, by tab index, round again.
TEST_P(EachWindow, tabFollowsTheTabIndexesRoundAgain) {
    std::vector<const forms::ControlRow*> focusable;
    for (const forms::ControlRow& row : table().controls) {
        if (row.kind != forms::ControlKind::Label) {
            focusable.push_back(&row);
        }
    }
    std::ranges::sort(focusable, {}, &forms::ControlRow::tabIndex);
    std::vector<std::string> expected;
    std::vector<std::string> visited;
    for (std::size_t step = 0; step <= focusable.size(); ++step) {
        expected.emplace_back(focusable[step % focusable.size()]->name);
        visited.push_back(focusedName());
        pressTab();
    }
    EXPECT_EQ(visited, expected);
}

TEST_P(EachWindow, screenReadersHearTheNameAndDescriptionOfEachControl) {
    for (const forms::AccessibleRow& row : table().accessible) {
        IAccessible* accessible = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(form_->control(row.control), DWORD(OBJID_CLIENT),
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible)),
                  S_OK)
            << row.control;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        BSTR description = nullptr;
        accessible->get_accName(self, &name);
        accessible->get_accDescription(self, &description);
        const auto text = [](BSTR said) { return said != nullptr ? std::wstring(said) : L""; };
        EXPECT_EQ(text(name), std::wstring(row.name, row.name + strlen(row.name))) << row.control;
        EXPECT_EQ(text(description),
                  std::wstring(row.description, row.description + strlen(row.description)))
            << row.control;
        SysFreeString(name);
        SysFreeString(description);
        accessible->Release();
    }
}

int pixels(int twips, UINT dpi) {
    return int(twips * dpi / 1440);
}

// Moved to a monitor at twice the scaling, every control is where its twips say and every font
// is its points high there.
TEST_P(EachWindow, aNewDpiRebuildsPlacesAndFonts) {
    RECT before;
    GetWindowRect(form_->window(), &before);
    moveToDpi(form_->window(), 192);
    RECT now;
    GetWindowRect(form_->window(), &now);
    EXPECT_EQ(now.right - now.left, 2 * (before.right - before.left)) << "the suggested place";
    for (const forms::ControlRow& row : table().controls) {
        const HWND control = form_->control(row.name);
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, form_->window(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, pixels(row.left, 192)) << row.name;
        EXPECT_EQ(place.top, pixels(row.top, 192)) << row.name;
        EXPECT_EQ(place.right - place.left, pixels(row.width, 192)) << row.name;
        EXPECT_EQ(place.bottom - place.top, pixels(row.height, 192)) << row.name;
        if (row.kind == forms::ControlKind::PictureBox) {
            continue; // shows no text
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(-font.lfHeight, int(row.font.points * 192 / 72 + 0.5)) << row.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EachWindow, testing::ValuesIn(windows), ByRowName());

// Pasted, a text longer than an edit control's own limit is kept whole.
TEST(Boxes, takeAnyLength) {
    SilentMessages messages;
    win32::MainWindow main(messages);
    const HWND box = main.control(forms::mainWindow::coefficientA);
    const std::wstring pasted = L"0." + std::wstring(39997, L'0') + L"1";
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_EQ(GetWindowTextLengthW(box), int(pasted.size()));
}

// Where the dark pixels of `dc` lie within its top-left `width` by `height`.
RECT inkBounds(HDC dc, int width, int height) {
    RECT ink{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128) {
                ink = {std::min(ink.left, LONG(x)), std::min(ink.top, LONG(y)),
                       std::max(ink.right, LONG(x)), std::max(ink.bottom, LONG(y))};
            }
        }
    }
    return ink;
}

class HelpPicture : public testing::TestWithParam<UINT> {};

// The worked example from the inner top-left corner at the scaling's size: at a whole factor each
// pixel enlarged, between them its ink where the enlarged ink would be. Wherever it does not
// reach, the button face.
TEST_P(HelpPicture, drawnFromTheInnerCornerWithTheFaceAroundIt) {
    const UINT dpi = GetParam();
    win32::Form help(forms::helpWindowTable());
    help.show();
    pump();
    moveToDpi(help.window(), dpi);
    const HWND box = help.control("Picture1");
    const HANDLE picture = LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BRINTAMO_HELP_PICTURE), IMAGE_BITMAP, 0, 0, 0);
    BITMAP natural{};
    GetObjectW(picture, sizeof natural, &natural);
    const int width = MulDiv(natural.bmWidth, int(dpi), 96);
    const int height = MulDiv(natural.bmHeight, int(dpi), 96);
    const HDC source = CreateCompatibleDC(nullptr);
    SelectObject(source, picture);
    const HDC shown = GetDC(box);
    if (dpi % 96 == 0) {
        const int scale = int(dpi / 96);
        int differing = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                differing +=
                    GetPixel(shown, x, y) != GetPixel(source, x / scale, y / scale) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
    }
    const RECT ink = inkBounds(source, natural.bmWidth, natural.bmHeight);
    const RECT shownInk = inkBounds(shown, width, height);
    for (const auto& [drawn, expected] : {std::pair{shownInk.left, ink.left},
                                          {shownInk.top, ink.top},
                                          {shownInk.right, ink.right},
                                          {shownInk.bottom, ink.bottom}}) {
        EXPECT_NEAR(drawn, expected * LONG(dpi) / 96, 2);
    }
    RECT inner;
    GetClientRect(box, &inner);
    EXPECT_EQ(GetPixel(shown, 0, height), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(shown, width - 1, height), GetSysColor(COLOR_BTNFACE));
    if (width < inner.right) {
        EXPECT_EQ(GetPixel(shown, width, 0), GetSysColor(COLOR_BTNFACE));
    }
    ReleaseDC(box, shown);
    DeleteDC(source);
    DeleteObject(picture);
    if (dpi == 96) { // the sunken edge is 2 pixels wide: one row of face under the picture
        EXPECT_EQ(inner.bottom, natural.bmHeight + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Scalings, HelpPicture, testing::Values(96U, 144U, 192U));

int inkIn(HDC dc, RECT area, COLORREF ink) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += GetPixel(dc, x, y) == ink ? 1 : 0;
        }
    }
    return count;
}

// Bold as Windows draws it: more ink than the same caption in the regular face of that size.
TEST(Captions, theMainWindowsButtonsAreBold) {
    SilentMessages messages;
    win32::MainWindow main(messages);
    main.show();
    pump();
    for (const char* name : {forms::mainWindow::calculateButton, forms::mainWindow::clearButton}) {
        const HWND button = main.control(name);
        RECT face;
        GetClientRect(button, &face);
        InflateRect(&face, -3, -3);
        const HDC screen = GetDC(button);
        const int bold = inkIn(screen, face, GetSysColor(COLOR_BTNTEXT));
        ReleaseDC(button, screen);

        const HDC canvas = CreateCompatibleDC(nullptr);
        const HBITMAP sheet = CreateCompatibleBitmap(GetDC(nullptr), face.right, face.bottom);
        SelectObject(canvas, sheet);
        FillRect(canvas, &face, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const HFONT regular = win32::createFont({13.5, false}, main.dpi());
        SelectObject(canvas, regular);
        SetBkMode(canvas, TRANSPARENT);
        wchar_t caption[32];
        GetWindowTextW(button, caption, 32);
        DrawTextW(canvas, caption, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const int plain = inkIn(canvas, face, RGB(0, 0, 0));
        DeleteDC(canvas);
        DeleteObject(sheet);
        DeleteObject(regular);
        EXPECT_GT(bold, plain * 5 / 4) << name;
    }
}

} // namespace
