// The real brintamo.exe from outside, for what only the running program shows: a message holds
// every one of its windows, it ends with its last window rather than its main one or with the
// session, and System Info does not wait for the program it starts. Its windows are found by
// class and title, its controls by the numbers their tables give them.

#include "AboutBoxTable.h"
#include "FormBuilder.h"
#include "MainWindowTable.h"
#include "MenuIds.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

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

HWND windowTitled(const wchar_t* title, const wchar_t* type = L"BrintamoForm") {
    HWND found = nullptr;
    waitFor(
        [&] { return (found = FindWindowW(type, title)) != nullptr && IsWindowVisible(found); });
    return found;
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
        PostMessageW(main_, WM_COMMAND, WPARAM(menuId(forms::mainWindowTable(), item)), 0);
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

TEST(BrintamoExe, aMessageHoldsEveryWindowAndTheProgramEndsWithItsLastWindow) {
    const Program program;
    ASSERT_NE(program.main(), nullptr);
    program.choose(helpItem);
    program.choose(aboutItem);
    const HWND help = windowTitled(L"Help");
    const HWND about = windowTitled(L"About Brintamo");
    ASSERT_TRUE(help != nullptr && about != nullptr);

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

    program.choose(exitItem);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(program.main()); }));
    EXPECT_FALSE(program.ended()) << "Help and About are still open";
    PostMessageW(about, WM_CLOSE, 0, 0);
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.ended());
}

// Asked by Windows, or by the Restart Manager for an installer, the program agrees to close and
// ends, with About open too.
TEST(BrintamoExe, endsWithTheSession) {
    const Program program;
    program.choose(aboutItem);
    ASSERT_NE(windowTitled(L"About Brintamo"), nullptr);
    DWORD_PTR agreed = 0;
    SendMessageTimeoutW(program.main(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                        SMTO_ABORTIFHUNG, 5000, &agreed);
    EXPECT_EQ(agreed, TRUE);
    PostMessageW(program.main(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
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
