// When the installers take the program for running: while any process holds its file against
// writing, as Windows holds a running program's, and never for a file that is merely there or not
// there at all. The installer scripts check it with the running program itself.

#include "ProgramInUse.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(ProgramInUse, whileAFileIsHeldAgainstWritingOnly) {
    const fs::path folder = fs::temp_directory_path() / L"brintamo program in use";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path file = folder / L"brintamo.exe";
    EXPECT_FALSE(installer::isInUse(file)) << "not there";
    std::ofstream(file) << "MZ";
    EXPECT_FALSE(installer::isInUse(file)) << "there, held by no one";
    for (const auto& [share, inUse] :
         {std::pair{DWORD(FILE_SHARE_READ), true},
          {FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, false}}) {
        const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_EQ(installer::isInUse(file), inUse) << "held open, sharing " << share;
        CloseHandle(held);
    }
    fs::remove_all(folder);
}

} // namespace
