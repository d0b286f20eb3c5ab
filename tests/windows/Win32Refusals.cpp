// What only Windows sends: refusals to make a window or a control, DPI changes that no monitor
// could cause, and the session's end. The program must go on, or end with a reason, never crash.

#include "AboutBoxTable.h"
#include "CaseTable.h"
#include "FormBuilder.h"
#include "MainWindowTable.h"
#include "OutcomeMessages.h"
#include "PictureBox.h"
#include "Windows.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// While held, Windows refuses to make any window of one class on this thread.
class Refusal {
public:
    explicit Refusal(const wchar_t* windowClass)
        : hook_(SetWindowsHookExW(WH_CBT, &Refusal::hook, nullptr, GetCurrentThreadId())) {
        refused_ = windowClass;
    }
    ~Refusal() { UnhookWindowsHookEx(hook_); }
    Refusal(const Refusal&) = delete;
    Refusal& operator=(const Refusal&) = delete;

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
        wchar_t name[64] = {};
        if (code == HCBT_CREATEWND && GetClassNameW(HWND(wParam), name, 64) > 0 &&
            lstrcmpiW(name, refused_) == 0) {
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline const wchar_t* refused_ = nullptr;
    HHOOK hook_;
};

struct RecordedMessages final : forms::MessageService {
    int showMessage(const std::string& text) override {
        shown.push_back(text);
        return forms::messageBoxOk;
    }
    std::vector<std::string> shown;
};

// As a click on it does.
void press(const win32::Form& form, const char* button) {
    SendMessageW(form.window(), WM_COMMAND, WPARAM(GetDlgCtrlID(form.control(button))), 0);
}

TEST(WindowsRefuses, theMainWindowSoTheProgramIsToldWhich) {
    RecordedMessages messages;
    const Refusal refusal(L"BrintamoForm");
    try {
        win32::MainWindow main(messages);
        ADD_FAILURE() << "a window was made";
    } catch (const win32::WindowRefused& refused) {
        EXPECT_TRUE(std::string(refused.what()).starts_with("Cannot open the window \"Brintamo\""))
            << refused.what();
    }
    EXPECT_EQ(win32::Form::openWindows(), 0);
}

TEST(WindowsRefuses, theAboutBoxSoAMessageSaysSoAndTheMainWindowGoesOn) {
    RecordedMessages messages;
    win32::MainWindow main(messages);
    {
        const Refusal refusal(L"BrintamoForm");
        main.showAbout();
    }
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(messages.shown[0].starts_with("Cannot open a window")) << messages.shown[0];
    EXPECT_EQ(win32::Form::openWindows(), 1);
    main.showAbout(); // made once Windows allows it
    EXPECT_EQ(win32::Form::openWindows(), 2);
}

TEST(WindowsRefuses, theBoxesSoTheMainWindowWorksWithoutThem) {
    RecordedMessages messages;
    const Refusal refusal(L"Edit");
    win32::MainWindow main(messages);
    EXPECT_EQ(main.control(forms::mainWindow::coefficientA), nullptr);
    press(main, forms::mainWindow::calculateButton);
    EXPECT_EQ(messages.shown, std::vector{*forms::messageFor(SolveKind::MissingInput)});
}

TEST(WindowsRefuses, thePictureBoxSoTheAboutBoxWorksWithoutIt) {
    RecordedMessages messages;
    const Refusal refusal(win32::pictureBox::className);
    win32::AboutBox about(messages);
    about.show();
    press(about, forms::aboutBox::okButton);
    EXPECT_EQ(about.window(), nullptr) << "OK closes the box";
}

// Asked by Windows, or by the Restart Manager for an installer, the program agrees to close and
// ends, About open too.
TEST(SessionEnd, isAgreedToAndEndsTheProgram) {
    RecordedMessages messages;
    win32::MainWindow main(messages);
    main.showAbout();
    EXPECT_EQ(SendMessageW(main.window(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
    SendMessageW(main.window(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Each row of dpi-changes.txt in turn on one window, as a window gets them one after another.
TEST(DpiChanges, areTakenOnlyWhereAMonitorCouldCauseThem) {
    RecordedMessages messages;
    win32::MainWindow main(messages);
    main.show();
    for (const auto& row : cases::read(BRINTAMO_WINDOW_SUITE_DATA "/dpi-changes.txt", 4)) {
        SCOPED_TRACE(row[0]);
        const UINT dpi = UINT(std::stoul(row[1]));
        RECT suggested;
        std::istringstream(row[2]) >> suggested.left >> suggested.top >> suggested.right >>
            suggested.bottom;
        const UINT before = main.dpi();
        RECT client;
        GetClientRect(main.window(), &client);
        const LONG width = client.right;
        SendMessageW(main.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        GetClientRect(main.window(), &client);
        const UINT expected = row[3] == "yes" ? dpi : before;
        EXPECT_EQ(main.dpi(), expected);
        EXPECT_EQ(client.right, MulDiv(width, int(expected), int(before)));
    }
}

} // namespace
