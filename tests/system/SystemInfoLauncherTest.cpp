// Reading registry values and starting the system-information program, one table of cases for
// any machine: in memory here, the real registry, files and programs on Windows.

#include "SystemInfoLauncher.h"
#include "KeyRecordingRegistry.h"
#include "RowNames.h"
#include "TestMachine.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::string firstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string secondKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
TestMachine* machine = nullptr;

// Asked of the registry itself: a key left open there is found even when the program believes
// it closed it.
void expectAllClosed(const std::vector<os::RegistryKey>& opened) {
    for (const os::RegistryKey key : opened) {
        EXPECT_FALSE(machine->isOpen(key)) << "a key left open";
    }
}

// Text ends at its first zero byte; text and numbers are read, other types keep what was there;
// a value that does not fit in 1024 bytes, or is missing, fails and empties it. The key refuses
// writing and still reads, since it is opened for reading only.
struct ValueRow {
    const char* name;
    std::uint32_t type;
    std::optional<std::string> data;
    bool read;
    std::string text;
};

const std::string kilobyte(1024, 'x');
const ValueRow valueRows[] = {
    {"text with one terminating zero", 1, std::string("C:\\a\0", 5), true, "C:\\a"},
    {"text without a zero", 1, "C:\\a", true, "C:\\a"},
    {"text with two zeros", 1, std::string("C:\\a\0\0", 6), true, "C:\\a"},
    {"text after a zero dropped", 1, std::string("C:\\a\0b", 6), true, "C:\\a"},
    {"no data", 1, "", true, ""},
    {"exactly 1024 bytes", 1, kilobyte, true, kilobyte},
    {"1023 bytes and a zero", 1, std::string(1023, 'x') + '\0', true, std::string(1023, 'x')},
    {"1025 bytes fail", 1, kilobyte + "x", false, ""},
    {"a number", 4, std::string("\x01\x10\0\0", 4), true, "4097"},
    {"a number with a top byte", 4, std::string("\x01\x10\x20\x80", 4), true, "2149584897"},
    {"another type keeps the old text", 7, "C:\\a", true, "old"},
    {"a missing key", 1, std::nullopt, false, ""},
};

class ReadKeyValue : public testing::TestWithParam<ValueRow> {};

TEST_P(ReadKeyValue, readsAsWindowsDoes) {
    const ValueRow& row = GetParam();
    machine->clear();
    if (row.data) {
        machine->setValue(firstKey, "PATH", row.type, *row.data, true);
        os::RegistryKey key = 0;
        ASSERT_EQ(machine->registry().openKey(os::hkeyLocalMachine, firstKey, 0, 0x2003F, key),
                  os::registryAccessDenied)
            << "the key refuses writing";
    }
    std::string value = "old";
    KeyRecordingRegistry registry(machine->registry());
    EXPECT_EQ(os::SystemInfoLauncher(registry, machine->files(), machine->programs(), {})
                  .readKeyValue(os::hkeyLocalMachine, firstKey, "PATH", value),
              row.read);
    EXPECT_EQ(value, row.text);
    expectAllClosed(registry.opened);
}

INSTANTIATE_TEST_SUITE_P(rows, ReadKeyValue, testing::ValuesIn(valueRows), ByRowName());

// What is started, and the message when nothing can start. Where the first value is found, the
// second holds a good folder that a needless second lookup would start. "@" stands for the folder
// that holds the program, which is also the current folder; "@\..\Hidden" holds a copy that could
// start but is hidden. Only a program image by its full path starts: a script would go to a
// shell, a relative path to the current folder.
struct StartRow {
    const char* name;
    std::uint32_t firstType;
    std::optional<std::string> first;
    std::optional<std::string> second;
    bool starts;
};

const StartRow startRows[] = {
    {"first value, started by its exact path", 1, std::string("@\\MSINFO32.EXE\0", 15), {}, true},
    {"first value, the start fails", 1, "C:\\Nowhere.exe", "@", false},
    {"first value of type 2, an empty path", 2, "@\\MSINFO32.EXE", "@", false},
    {"first value empty", 1, "", "@", false},
    {"second, the folder with the program", 1, {}, std::string("@\0", 2), true},
    {"second, the folder and two zeros", 1, {}, std::string("@\0\0", 3), true},
    {"second, the program itself and two zeros",
     1,
     {},
     std::string("@\\MSINFO32.EXE\0\0", 16),
     false},
    {"second, a folder without it", 1, {}, "@\\..", false},
    {"second, the program there hidden", 1, {}, "@\\..\\Hidden", false},
    {"neither value", 1, {}, {}, false},
    {"first value a batch script", 1, "@\\run.bat", "@", false},
    {"first value a command script", 1, "@\\run.cmd", "@", false},
    {"first value a script at a path with & and blanks", 1, "@\\..\\a&b c\\run.cmd", "@", false},
    {"first value a folder", 1, "@", "@", false},
    {"first value the program by its device path", 1, "\\\\.\\@\\MSINFO32.EXE", "@", false},
    {"first value the program by its long-path prefix", 1, "\\\\?\\@\\MSINFO32.EXE", "@", false},
    {"first value relative, the program in the current folder", 1, "MSINFO32.EXE", "@", false},
    {"first value relative to a drive's current folder", 1, "C:MSINFO32.EXE", "@", false},
    {"first value a number, a program of that short name in the current folder", 4,
     std::string("\x10\0\0\0", 4), "@", false},
    {"second value relative, the current folder", 1, {}, ".", false},
};

class Start : public testing::TestWithParam<StartRow> {};

TEST_P(Start, startsTheProgramOrSaysItIsUnavailable) {
    const StartRow& row = GetParam();
    const std::string folder = machine->programFolder();
    machine->clear();
    for (auto [key, value, data, type] : {std::tuple{firstKey, "PATH", row.first, row.firstType},
                                          std::tuple{secondKey, "MSINFO", row.second, 1U}}) {
        if (data && data->find('@') != std::string::npos) {
            data->replace(data->find('@'), 1, folder);
        }
        if (data) {
            machine->setValue(key, value, type, *data);
        }
    }
    std::string message;
    KeyRecordingRegistry registry(machine->registry());
    os::SystemInfoLauncher(registry, machine->files(), machine->programs(),
                           [&message](const std::string& text) { message += text; })
        .start();
    EXPECT_EQ(machine->started(row.starts),
              std::vector<std::string>(row.starts, folder + "\\MSINFO32.EXE"));
    EXPECT_EQ(message, row.starts ? "" : "System Information Is Unavailable At This Time");
    expectAllClosed(registry.opened);
}

INSTANTIATE_TEST_SUITE_P(rows, Start, testing::ValuesIn(startRows), ByRowName());

} // namespace

// On Windows this program also stands in for the system-information program: started as that, it
// only leaves its mark.
int main(int argc, char** argv) {
    const auto testMachine = makeTestMachine();
    if (!testMachine) {
        return 0;
    }
    machine = testMachine.get();
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    machine->clear();
    return failed;
}
