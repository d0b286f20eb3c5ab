// Any value a registry may hold, of any type and length, must read without a fault: true exactly
// when it fits in 1024 bytes, text of its bytes less at most one terminating zero, and on
// failure an empty text.

#include "info/SysInfoLauncher.h"
#include "platform/MemoryRegistry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto require = [](bool condition) { condition ? void() : std::abort(); };
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint32_t type = size > 0 ? data[0] % 8 : 1;
    platform::MemoryRegistry registry;
    registry.setValue("K", "V", {type, bytes.substr(std::min<size_t>(size, 1))});
    const size_t length = bytes.size() - std::min<size_t>(size, 1);
    SysInfoLauncher launcher(registry, platform::systemFiles(), platform::systemPrograms(), {});
    std::string value = "old";
    const bool read = launcher.GetKeyValue(platform::hkeyLocalMachine, "K", "V", value);
    require(read == (length <= 1024));
    require(read || value.empty());
    require(!read || type != 1 || value.size() == length || value.size() + 1 == length);
    require(!read || type == 1 || type == 4 || value == "old");
    return 0;
}
