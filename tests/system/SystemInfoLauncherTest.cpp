// Reading registry values and starting the system-information program, one table of cases for
// any machine: in memory here, the real registry, files and programs on Windows.

#include "SystemInfoLauncher.h"
#include "CaseTable.h"
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

// Reading a value (registry-values.txt). The key refuses writing and still reads, since it is
// opened for reading only.
struct ValueRow {
    std::string name, type, data, read, text;
};

class ReadKeyValue : public testing::TestWithParam<ValueRow> {};

TEST_P(ReadKeyValue, readsAsWindowsDoes) {
    const ValueRow& row = GetParam();
    machine->clear();
    if (const auto data = cases::value(row.data)) {
        machine->setValue(firstKey, "PATH", std::uint32_t(std::stoul(row.type)), *data, true);
        os::RegistryKey key = 0;
        ASSERT_EQ(machine->registry().openKey(os::hkeyLocalMachine, firstKey, 0, 0x2003F, key),
                  os::registryAccessDenied)
            << "the key refuses writing";
    }
    std::string value = "old";
    KeyRecordingRegistry registry(machine->registry());
    EXPECT_EQ(os::SystemInfoLauncher(registry, machine->files(), machine->programs(), {})
                  .readKeyValue(os::hkeyLocalMachine, firstKey, "PATH", value),
              row.read == "yes");
    EXPECT_EQ(value, row.text);
    expectAllClosed(registry.opened);
}

INSTANTIATE_TEST_SUITE_P(rows, ReadKeyValue,
                         testing::ValuesIn(cases::rowsOf<ValueRow, 5>(BRINTAMO_CASES
                                                                      "/registry-values.txt")),
                         ByRowName());

// What is started (system-info-starts.txt), and the message when nothing can start.
struct StartRow {
    std::string name, firstType, first, second, starts;
};

class Start : public testing::TestWithParam<StartRow> {};

// The machine's own start, noting whether the program could be swapped at that moment.
struct WatchedStart final : os::ProgramStarter {
    void start(const std::string& path) override {
        replaceable = machine->canReplace(path);
        machine->programs().start(path);
    }
    bool replaceable = false;
};

TEST_P(Start, startsTheProgramOrSaysItIsUnavailable) {
    const StartRow& row = GetParam();
    const bool starts = row.starts == "yes";
    const std::string folder = machine->programFolder();
    machine->clear();
    for (auto [key, value, data, type] :
         {std::tuple{firstKey, "PATH", cases::value(row.first), std::stoul(row.firstType)},
          std::tuple{secondKey, "MSINFO", cases::value(row.second), 1UL}}) {
        if (data && data->find('@') != std::string::npos) {
            data->replace(data->find('@'), 1, folder);
        }
        if (data) {
            machine->setValue(key, value, std::uint32_t(type), *data);
        }
    }
    std::string message;
    KeyRecordingRegistry registry(machine->registry());
    WatchedStart programs;
    os::SystemInfoLauncher(registry, machine->files(), programs,
                           [&message](const std::string& text) { message += text; })
        .start();
    EXPECT_EQ(machine->started(starts),
              std::vector<std::string>(starts, folder + "\\MSINFO32.EXE"));
    EXPECT_FALSE(programs.replaceable) << "what starts is not what was tested";
    EXPECT_TRUE(machine->canReplace(folder + "\\MSINFO32.EXE")) << "held once started";
    EXPECT_EQ(message, starts ? "" : "System Information Is Unavailable At This Time");
    expectAllClosed(registry.opened);
}

INSTANTIATE_TEST_SUITE_P(rows, Start,
                         testing::ValuesIn(cases::rowsOf<StartRow, 5>(BRINTAMO_CASES
                                                                      "/system-info-starts.txt")),
                         ByRowName());

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
