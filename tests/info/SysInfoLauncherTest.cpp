// Reading registry values and starting the system-information program, through an in-memory
// registry, file test and program start.

#include "info/SysInfoLauncher.h"
#include "platform/MemoryRegistry.h"

#include <QTest>

#include <set>

namespace {

const std::string firstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string secondKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string installed = "C:\\Program Files\\MSINFO32.EXE";

struct Machine final : platform::MemoryRegistry, platform::FileTest, platform::ProgramStarter {
    std::vector<std::string> opened, started, messages;
    long openKey(platform::RegistryKey root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, platform::RegistryKey& key) override {
        opened.push_back(path);
        return MemoryRegistry::openKey(root, path, options, access, key);
    }
    bool isOrdinaryFile(const std::string& path) override { return path == installed; }
    void start(const std::string& path) override {
        path == installed ? started.push_back(path) : throw platform::StartFailed(path);
    }
    SysInfoLauncher launcher{*this, *this, *this,
                             [this](const std::string& text) { messages.push_back(text); }};
};

} // namespace

class SysInfoLauncherTest : public QObject {
    Q_OBJECT

private slots:
    // One terminating zero is dropped; text and numbers are read, other types keep what was
    // there; a value that does not fit in 1024 bytes, or is missing, fails and empties it. The
    // key is opened for reading only, so one that refuses writing still reads.
    void GetKeyValue() {
        const std::string kilobyte(1024, 'x');
        const std::tuple<std::uint32_t, std::string, bool, std::string> rows[] = {
            {1, std::string("C:\\a\0", 5), true, "C:\\a"},
            {1, "C:\\a", true, "C:\\a"},
            {1, std::string("C:\\a\0\0", 6), true, std::string("C:\\a\0", 5)},
            {1, "", true, ""},
            {1, kilobyte, true, kilobyte},
            {1, kilobyte + "x", false, ""},
            {4, std::string("\x01\x10\0\0", 4), true, "4097"},
            {7, "C:\\a", true, "old"}};
        for (const auto& [type, data, read, text] : rows) {
            Machine machine;
            machine.setValue(firstKey, "PATH", {type, data});
            machine.refuseWriteAccess(firstKey);
            std::string value = "old";
            QCOMPARE(
                machine.launcher.GetKeyValue(platform::hkeyLocalMachine, firstKey, "PATH", value),
                read);
            QCOMPARE(value, text);
        }
        Machine empty;
        std::string value = "old";
        QVERIFY(!empty.launcher.GetKeyValue(platform::hkeyLocalMachine, firstKey, "PATH", value));
        QCOMPARE(value, std::string());
    }

    // What is started, how many keys are looked up, and the message when nothing can start.
    void StartSysInfo() {
        const std::tuple<const char*, std::string, std::uint32_t, std::string, bool, size_t>
            rows[] = {{"first value, started as it is", firstKey, 1, installed + '\0', true, 1},
                      {"first value, start fails", firstKey, 1, "C:\\Nowhere.exe", false, 1},
                      {"first value of type 2, empty path", firstKey, 2, installed, false, 1},
                      {"first value empty", firstKey, 1, "", false, 1},
                      {"folder with the program", secondKey, 1,
                       std::string("C:\\Program Files\0", 17), true, 2},
                      {"folder without it", secondKey, 1, "C:\\Empty", false, 2},
                      {"neither value", "SOFTWARE\\Other", 1, "C:\\x", false, 2}};
        for (const auto& [name, key, type, data, starts, lookups] : rows) {
            Machine machine;
            machine.setValue(key, key == firstKey ? "PATH" : "MSINFO", {type, data});
            machine.launcher.StartSysInfo();
            QVERIFY2(machine.started ==
                         (starts ? std::vector{installed} : std::vector<std::string>()),
                     name);
            QVERIFY2(machine.messages ==
                         (starts
                              ? std::vector<std::string>()
                              : std::vector<
                                    std::string>{"System Information Is Unavailable At This Time"}),
                     name);
            QVERIFY2(machine.opened.size() == lookups, name);
        }
    }
};

QTEST_GUILESS_MAIN(SysInfoLauncherTest)
#include "SysInfoLauncherTest.moc"
