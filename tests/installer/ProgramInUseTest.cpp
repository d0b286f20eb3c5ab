// When the installers take the program for running: while any process runs it or holds its file
// against writing, and never for a file that is merely there or not there at all.

#include "ProgramInUse.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const fs::path folder = fs::temp_directory_path() / L"brintamo program in use";

fs::path thisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

class ProgramInUse : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
};

TEST_F(ProgramInUse, whileAProgramRunsFromTheFileAndNoLonger) {
    const fs::path copy = folder / L"Brintamo.exe";
    fs::copy_file(thisProgram(), copy);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring command = L"\"" + copy.wstring() + L"\" --stay";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &started));
    WaitForInputIdle(started.hProcess, 5000);
    EXPECT_TRUE(installer::isInUse(copy)) << "running";
    TerminateProcess(started.hProcess, 0);
    WaitForSingleObject(started.hProcess, 5000);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    EXPECT_FALSE(installer::isInUse(copy)) << "ended";
}

TEST_F(ProgramInUse, whileAFileIsHeldAgainstWritingOnly) {
    const fs::path file = folder / L"brintamo.exe";
    EXPECT_FALSE(installer::isInUse(file)) << "not there";
    std::ofstream(file) << "MZ";
    EXPECT_FALSE(installer::isInUse(file)) << "there, held by no one";
    const HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_TRUE(installer::isInUse(file)) << "held open for reading, writes not shared";
    CloseHandle(reader);
    const HANDLE sharing = CreateFileW(file.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_FALSE(installer::isInUse(file)) << "held open, sharing everything";
    CloseHandle(sharing);
}

} // namespace

// Started with --stay, this program only runs, standing in for a running Brintamo.
int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--stay") {
        Sleep(60000);
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return failed;
}
