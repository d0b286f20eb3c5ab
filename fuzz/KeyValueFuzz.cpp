// Any value a registry may hold, of any type and length, must read as Windows would give it: true
// exactly when it fits in 1024 bytes; text up to its first zero byte; a number from its four
// bytes, lowest first; other types keep the old text; on failure an empty text. Every key opened
// is closed again.

#include "MemoryRegistry.h"
#include "SystemInfoLauncher.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto require = [](bool condition) { condition ? void() : std::abort(); };
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint32_t type = size > 0 ? data[0] % 8 : 1;
    const std::string stored = bytes.substr(std::min<size_t>(size, 1));
    os::MemoryRegistry memory;
    memory.setValue("K", "V", {type, stored});
    os::SystemInfoLauncher launcher(memory, os::systemFiles(), os::systemPrograms(), {});
    std::string value = "old";
    const bool read = launcher.readKeyValue(os::hkeyLocalMachine, "K", "V", value);
    require(memory.openKeys() == 0);
    require(read == (stored.size() <= 1024));
    if (!read) {
        require(value.empty());
    } else if (type == 1) {
        require(value == stored.substr(0, stored.find('\0')));
    } else if (type == 4) {
        std::uint32_t number = 0;
        for (size_t i = std::min<size_t>(stored.size(), 4); i-- > 0;) {
            number = number * 256 + static_cast<unsigned char>(stored[i]);
        }
        require(value == std::to_string(number));
    } else {
        require(value == "old");
    }
    return 0;
}
