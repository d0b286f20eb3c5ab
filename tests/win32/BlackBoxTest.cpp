// The real brintamo.exe from outside, as a user or an automation tool meets it: its windows
// found by class and title, its controls by the identifiers its tables give them, typed into,
// pressed and read back; its message boxes read and answered; its printed lines seen on screen.

#include "AboutBoxTable.h"
#include "FormBuilder.h"
#include "MainWindowTable.h"
#include "WindowPictures.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace forms::mainWindow;

bool waitFor(const std::function<bool()>& condition, int milliseconds = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

HWND aboutButton(HWND about, const char* name) {
    return GetDlgItem(about, win32::controlId(forms::aboutBoxTable(), name));
}

// Menu items are numbered from 1000 in menu order, which automation can count on.
int menuId(const char* name) {
    int id = 1000;
    for (const forms::MenuRow& menu : forms::mainWindowTable().menus) {
        if (menu.items.empty() && std::string(menu.name) == name) {
            return id;
        }
        id += menu.items.empty() ? 1 : 0;
        for (const forms::MenuItemRow& item : menu.items) {
            if (std::string(item.name) == name) {
                return id;
            }
            ++id;
        }
    }
    return -1;
}

// Sent, not asked of the window's title: another program's box answers only its own message.
std::wstring textOf(HWND window) {
    std::wstring text(256, L'\0');
    text.resize(std::size_t(SendMessageW(window, WM_GETTEXT, WPARAM(text.size()),
                                         reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

HWND windowTitled(const wchar_t* title, const wchar_t* type = L"BrintamoForm") {
    HWND found = nullptr;
    waitFor(
        [&] { return (found = FindWindowW(type, title)) != nullptr && IsWindowVisible(found); });
    return found;
}

int windowsTitled(const wchar_t* title) {
    int count = 0;
    for (HWND window = nullptr;
         (window = FindWindowExW(nullptr, window, L"BrintamoForm", title));) {
        count += IsWindowVisible(window) ? 1 : 0;
    }
    return count;
}

class Program {
public:
    Program() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" BRINTAMO_PROGRAM L"\"";
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process_);
        main_ = windowTitled(L"Brintamo");
    }
    ~Program() {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    HWND main() const { return main_; }
    HWND box(const char* name) const {
        return GetDlgItem(main_, win32::controlId(forms::mainWindowTable(), name));
    }
    // Posted, as a click is: the program may show a message box before it is done.
    void press(const char* button) const { PostMessageW(box(button), BM_CLICK, 0, 0); }
    void choose(const char* item) const {
        PostMessageW(main_, WM_COMMAND, WPARAM(menuId(item)), 0);
    }
    bool ended() const { return WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// The message box that came, by its text, once answered with OK; empty if none came.
std::wstring answerMessage() {
    const HWND box = windowTitled(L"Brintamo", L"#32770");
    if (box == nullptr) {
        return {};
    }
    std::wstring text(512, L'\0');
    text.resize(std::size_t(GetDlgItemTextW(box, 0xFFFF, text.data(), int(text.size()))));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitFor([&] { return !IsWindow(box); });
    return text;
}

// What a user's keys do, sent as the keyboard sends them, to whichever control has the focus.
void pressKey(WORD key) {
    INPUT strokes[2]{};
    strokes[0].type = INPUT_KEYBOARD;
    strokes[0].ki.wVk = key;
    strokes[1] = strokes[0];
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

HWND focusIn(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

// Typing goes into the a box from the start; after a message, however it was closed, the window
// prints " 1 " and the control that had the focus has it again.
TEST(BrintamoExe, theKeyboardFromTheStartAndAfterEachMessage) {
    const Program program;
    ASSERT_NE(program.main(), nullptr);
    const HANDLE running = OpenMutexW(SYNCHRONIZE, FALSE, L"Brintamo is running");
    EXPECT_NE(running, nullptr) << "the program announces itself to its uninstaller";
    CloseHandle(running);
    EXPECT_TRUE(waitFor([&] { return focusIn(program.main()) == program.box(coefficientA); }));
    pressKey('7');
    EXPECT_TRUE(waitFor([&] { return textOf(program.box(coefficientA)) == L"7"; }))
        << "typed right after start";

    for (int box = 0; box < 5; ++box) { // to CALCULATE, past the other four boxes
        pressKey(VK_TAB);
    }
    ASSERT_TRUE(waitFor([&] { return focusIn(program.main()) == program.box(calculateButton); }));
    const auto closeWith = [&](const std::function<void(HWND)>& close) {
        pressKey(VK_SPACE);
        const HWND box = windowTitled(L"Brintamo", L"#32770");
        ASSERT_NE(box, nullptr);
        close(box);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }));
        EXPECT_TRUE(
            waitFor([&] { return focusIn(program.main()) == program.box(calculateButton); }));
    };
    closeWith([](HWND) { pressKey(VK_RETURN); });
    closeWith([](HWND) { pressKey(VK_ESCAPE); });
    closeWith([](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }); // its close button, Alt+F4
    // Each answer printed as OK's: three lines " 1 ", and the focus mark on CALCULATE.
    Sleep(500); // for the last line, printed once the box has given the focus back
    EXPECT_TRUE(pictures::matchesReference(pictures::shown(program.main()),
                                           "Brintamo-after-three-messages"));
    pressKey(VK_TAB);
    EXPECT_TRUE(waitFor([&] { return focusIn(program.main()) == program.box(clearButton); }));
}

TEST(BrintamoExe, helpAndAboutOnceEachAndTheProgramEndsWithTheLastWindow) {
    const Program program;
    program.choose(helpItem);
    program.choose(aboutItem);
    ASSERT_NE(windowTitled(L"Help"), nullptr);
    const HWND about = windowTitled(L"About Brintamo");
    ASSERT_NE(about, nullptr);
    program.choose(helpItem);
    program.choose(aboutItem);
    EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == about; }));
    EXPECT_EQ(windowsTitled(L"Help"), 1);
    EXPECT_EQ(windowsTitled(L"About Brintamo"), 1);
    ShowWindow(about, SW_MINIMIZE); // chosen again, it comes back from the taskbar
    program.choose(aboutItem);
    EXPECT_TRUE(waitFor([&] { return !IsIconic(about) && GetForegroundWindow() == about; }));

    // A message from the main window holds every window of the program until it is answered.
    const HWND help = windowTitled(L"Help");
    const auto enabled = [&] {
        return std::wstring{IsWindowEnabled(program.main()) ? L'M' : L'-',
                            IsWindowEnabled(about) ? L'A' : L'-',
                            IsWindowEnabled(help) ? L'H' : L'-'};
    };
    program.press(calculateButton);
    ASSERT_NE(windowTitled(L"Brintamo", L"#32770"), nullptr);
    EXPECT_EQ(enabled(), L"---");
    EXPECT_EQ(answerMessage(), L"Please enter a number into all of the boxes.");
    EXPECT_TRUE(waitFor([&] { return enabled() == L"MAH"; })) << enabled();

    // System Info from the About box, as a user clicks it there: its message, then the focus
    // back on the button.
    program.choose(aboutItem);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == about; }));
    const HWND systemInfo = aboutButton(about, forms::aboutBox::systemInfoButton);
    PostMessageW(systemInfo, BM_CLICK, 0, 0);
    EXPECT_EQ(answerMessage(), L"System Information Is Unavailable At This Time");
    EXPECT_TRUE(IsWindow(about)) << "the About box stays open";
    EXPECT_TRUE(waitFor([&] { return focusIn(about) == systemInfo; })) << focusIn(about);

    // Closed, it is made afresh when chosen again.
    PostMessageW(aboutButton(about, forms::aboutBox::okButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(about); }));
    program.choose(aboutItem);
    const HWND again = windowTitled(L"About Brintamo");
    ASSERT_NE(again, nullptr);

    program.choose(exitItem);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(program.main()); }));
    EXPECT_FALSE(program.ended()) << "Help and About are still open";
    PostMessageW(again, WM_CLOSE, 0, 0);
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.ended());
}

// This test program also stands in for the system-information program: copied as MSINFO32.EXE
// and started, it leaves its mark and keeps running for a while.
std::filesystem::path thisProgram() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

TEST(BrintamoExe, systemInfoStartsTheProgramTheRegistryNames) {
    const auto folder = std::filesystem::temp_directory_path() / "brintamo black box";
    const auto standIn = folder / "MSINFO32.EXE";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(thisProgram(), standIn);
    HKEY key = nullptr;
    const std::string path = standIn.string();
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   DWORD(path.size() + 1));
    RegCloseKey(key);

    const Program program;
    program.choose(aboutItem);
    const HWND about = windowTitled(L"About Brintamo");
    PostMessageW(aboutButton(about, forms::aboutBox::systemInfoButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(folder / "started"); }));
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(about, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0)
        << "the About box answers while the started program runs";
    EXPECT_EQ(FindWindowW(L"#32770", L"Brintamo"), nullptr) << "no message";

    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    waitFor([&] { // once the stand-in has ended
        std::error_code running;
        std::filesystem::remove_all(folder, running);
        return !running;
    });
}

} // namespace

int main(int argc, char** argv) {
    if (thisProgram().filename() == "MSINFO32.EXE") {
        std::ofstream(thisProgram().parent_path() / "started") << "started\n";
        Sleep(3000);
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
