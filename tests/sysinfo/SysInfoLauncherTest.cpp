// Reading registry values and starting the system-information program, one table of cases for
// any machine: in memory here, the real registry, files and programs on Windows.

#include "info/SysInfoLauncher.h"
#include "CountingRegistry.h"
#include "TestMachine.h"

#include <iostream>
#include <optional>
#include <tuple>

namespace {

const std::string firstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string secondKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
int failures = 0;

void expect(bool ok, const std::string& what) {
    failures += ok ? 0 : 1;
    std::cout << (ok ? "" : "FAILED: " + what + '\n');
}

// Text ends at its first zero byte; text and numbers are read, other types keep what was there;
// a value that does not fit in 1024 bytes, or is missing, fails and empties it. The key refuses
// writing and still reads, since it is opened for reading only.
void GetKeyValue(TestMachine& machine) {
    const std::string kilobyte(1024, 'x');
    const std::tuple<std::uint32_t, std::optional<std::string>, bool, std::string> rows[] = {
        {1, std::string("C:\\a\0", 5), true, "C:\\a"},
        {1, "C:\\a", true, "C:\\a"},
        {1, std::string("C:\\a\0\0", 6), true, "C:\\a"},
        {1, std::string("C:\\a\0b", 6), true, "C:\\a"},
        {1, "", true, ""},
        {1, kilobyte, true, kilobyte},
        {1, std::string(1023, 'x') + '\0', true, std::string(1023, 'x')},
        {1, kilobyte + "x", false, ""},
        {4, std::string("\x01\x10\0\0", 4), true, "4097"},
        {4, std::string("\x01\x10\x20\x80", 4), true, "2149584897"},
        {7, "C:\\a", true, "old"},
        {1, std::nullopt, false, ""}};
    for (int row = 1; const auto& [type, data, read, text] : rows) {
        const std::string name = "GetKeyValue row " + std::to_string(row++);
        machine.clear();
        if (data) {
            machine.setValue(firstKey, "PATH", type, *data, true);
            platform::RegistryKey key = 0;
            expect(machine.registry().openKey(platform::hkeyLocalMachine, firstKey, 0, 0x2003F,
                                              key) == platform::registryAccessDenied,
                   name + ": the key refuses writing");
        }
        std::string value = "old";
        CountingRegistry registry(machine.registry());
        expect(SysInfoLauncher(registry, machine.files(), machine.programs(), {})
                           .GetKeyValue(platform::hkeyLocalMachine, firstKey, "PATH", value) ==
                       read &&
                   value == text,
               name);
        expect(registry.openKeys() == 0, name + ": every key closed");
    }
}

// What is started, and the message when nothing can start. Where the first value is found, the
// second holds a good folder that a needless second lookup would start. "@" stands for the folder
// that holds the program; "@\..\Hidden" holds a copy that could start but is hidden.
void StartSysInfo(TestMachine& machine) {
    using Value = std::optional<std::string>;
    const std::tuple<const char*, std::uint32_t, Value, Value, bool> rows[] = {
        {"first value, started as it is", 1, std::string("@\\MSINFO32.EXE\0", 15), {}, true},
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
        {"neither value", 1, {}, {}, false}};
    const std::string folder = machine.programFolder();
    for (auto [name, type, first, second, starts] : rows) {
        machine.clear();
        for (auto [key, value, data, valueType] : {std::tuple{firstKey, "PATH", first, type},
                                                   std::tuple{secondKey, "MSINFO", second, 1U}}) {
            if (data) {
                machine.setValue(key, value, valueType,
                                 data->replace(0, data->starts_with('@') ? 1 : 0, folder));
            }
        }
        std::string message;
        CountingRegistry registry(machine.registry());
        SysInfoLauncher(registry, machine.files(), machine.programs(),
                        [&](const std::string& text) {
                            std::cout << "message box: " << (message += text) << '\n';
                        })
            .StartSysInfo();
        expect(machine.started(starts) ==
                   std::vector<std::string>(starts, folder + "\\MSINFO32.EXE"),
               std::string(name) + ": what was started");
        expect(message == (starts ? "" : "System Information Is Unavailable At This Time"),
               std::string(name) + ": the message");
        expect(registry.openKeys() == 0, std::string(name) + ": every key closed");
    }
}

} // namespace

int main() {
    const auto machine = makeTestMachine();
    if (!machine) {
        return 0;
    }
    GetKeyValue(*machine);
    StartSysInfo(*machine);
    machine->clear();
    std::cout << "failed cases: " << failures << '\n';
    return failures == 0 ? 0 : 1;
}
