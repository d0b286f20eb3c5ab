// The cases' machine in memory: a registry, one program file (and a hidden copy) in the current
// folder, scripts beside them, and a record of what started. As Windows does, it looks for a
// relative path in the current folder and starts a script through a shell.

#include "MemoryRegistry.h"
#include "TestMachine.h"

namespace {

const std::string program = "C:\\Program Files\\MSINFO32.EXE";
const std::string hidden = "C:\\Program Files\\..\\Hidden\\MSINFO32.EXE";
const std::string currentFolder = "C:\\Program Files\\";

// Up to its first zero byte, in the current folder unless it starts at a drive's root, which the
// device and long-path namespaces ("\\.\C:\...", "\\?\C:\...") also do; "C:name" is in that
// drive's current folder, which is the current folder.
std::string resolved(const std::string& path) {
    std::string read = path.c_str();
    read.erase(0, read.starts_with(R"(\\.\)") || read.starts_with(R"(\\?\)") ? 4 : 0);
    const bool drive = read.size() > 1 && read[1] == ':';
    return drive && read.size() > 2 && read[2] == '\\' ? read
                                                       : currentFolder + read.substr(drive ? 2 : 0);
}

struct MemoryMachine final : TestMachine, os::FileTest, os::ProgramStarter {
    os::Registry& registry() override { return registry_; }
    os::FileTest& files() override { return *this; }
    os::ProgramStarter& programs() override { return *this; }
    void clear() override { registry_ = {}, started_.clear(); }
    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::string& data, bool readOnly) override {
        registry_.setValue(key, name, {type, data});
        readOnly ? registry_.refuseWriteAccess(key) : void();
    }
    std::string programFolder() override { return "C:\\Program Files"; }
    std::vector<std::string> started(bool) override { return started_; }
    bool isOpen(os::RegistryKey key) override { return registry_.isOpen(key); }
    // Windows reads a path up to its first zero byte.
    bool isOrdinaryFile(const std::string& path) override {
        return resolved(path) == program || resolved(path).ends_with(".bat");
    }
    std::unique_ptr<os::HeldFile> holdProgramImage(const std::string& path) override {
        const bool image = resolved(path) == program || resolved(path) == hidden;
        return image ? std::make_unique<Hold>(holds_) : nullptr;
    }
    bool canReplace(const std::string& path) override {
        return resolved(path) != program || holds_ == 0;
    }
    void start(const std::string& path) override {
        const std::string read = resolved(path);
        const bool runs =
            read == program || read == hidden || read.ends_with(".bat") || read.ends_with(".cmd");
        runs ? started_.push_back(read) : throw os::StartFailed(read);
    }
    // While one is held, the program file cannot be replaced.
    struct Hold final : os::HeldFile {
        explicit Hold(int& holds) : holds_(holds) { ++holds_; }
        ~Hold() override { --holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        int& holds_;
    };

    os::MemoryRegistry registry_;
    std::vector<std::string> started_;
    int holds_ = 0;
};

} // namespace

std::unique_ptr<TestMachine> makeTestMachine() {
    return std::make_unique<MemoryMachine>();
}
