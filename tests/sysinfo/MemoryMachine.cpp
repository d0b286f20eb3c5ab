// The cases' machine in memory: a registry, one program file and a record of what started.

#include "TestMachine.h"
#include "platform/MemoryRegistry.h"

namespace {

const std::string program = "C:\\Program Files\\MSINFO32.EXE";
const std::string hidden = "C:\\Program Files\\..\\Hidden\\MSINFO32.EXE";

struct MemoryMachine final : TestMachine, platform::FileTest, platform::ProgramStarter {
    platform::Registry& registry() override { return registry_; }
    platform::FileTest& files() override { return *this; }
    platform::ProgramStarter& programs() override { return *this; }
    void clear() override { registry_ = {}, started_.clear(); }
    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::string& data, bool readOnly) override {
        registry_.setValue(key, name, {type, data});
        readOnly ? registry_.refuseWriteAccess(key) : void();
    }
    std::string programFolder() override { return "C:\\Program Files"; }
    std::vector<std::string> started(bool) override { return started_; }
    // Windows reads a path up to its first zero byte.
    bool isOrdinaryFile(const std::string& path) override { return path.c_str() == program; }
    void start(const std::string& path) override {
        const std::string read = path.c_str();
        read == program || read == hidden ? started_.push_back(read)
                                          : throw platform::StartFailed(read);
    }
    platform::MemoryRegistry registry_;
    std::vector<std::string> started_;
};

} // namespace

std::unique_ptr<TestMachine> makeTestMachine() {
    return std::make_unique<MemoryMachine>();
}
