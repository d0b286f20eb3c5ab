#pragma once
// The registry as the program reads it: open a key, query one of its values, close it, with the
// system's status codes. On Windows these are advapi32's functions, bound by name on first use;
// elsewhere the registry is empty. Knows no toolkit.

#include <cstdint>
#include <string>

namespace os {

using RegistryKey = std::uintptr_t; // a key handle; 0 is none

inline constexpr RegistryKey hkeyLocalMachine = 0x80000002;

enum RegistryStatus : long {
    registrySuccess = 0,
    registryNotFound = 2,
    registryAccessDenied = 5,
    registryMoreData = 234,
};

class Registry {
public:
    virtual ~Registry() = default;
    // Key paths, value names and text data are 8-bit text in the system's code page.
    virtual long openKey(RegistryKey root, const std::string& path, std::uint32_t options,
                         std::uint32_t access, RegistryKey& key) = 0;
    // On entry `size` is the room in `data`; on success it is the number of bytes written.
    virtual long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual void closeKey(RegistryKey key) = 0;
};

// The running system's registry; on a system without one, an empty registry.
Registry& systemRegistry();

} // namespace os
