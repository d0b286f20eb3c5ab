#pragma once
// A registry held in memory, below HKEY_LOCAL_MACHINE only: the same three calls and status
// codes as the system's, holding exactly the values a test gives it.

#include "Registry.h"

#include <map>

namespace os {

class MemoryRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type;
        std::string data; // the bytes, terminating zeros included
    };

    void setValue(const std::string& path, const std::string& name, Value value);
    // Like a key whose access list lets everyone read but no one write.
    void refuseWriteAccess(const std::string& path);

    long openKey(RegistryKey root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;
    bool isOpen(RegistryKey key) const { return open_.contains(key); }

private:
    struct Key {
        std::map<std::string, Value> values;
        bool readOnly = false;
    };
    std::map<std::string, Key> keys_;
    std::map<RegistryKey, const Key*> open_;
    RegistryKey nextHandle_ = 1;
};

} // namespace os
