#include "MemoryRegistry.h"

#include <algorithm>

namespace os {

void MemoryRegistry::setValue(const std::string& path, const std::string& name, Value value) {
    keys_[path].values[name] = std::move(value);
}

void MemoryRegistry::refuseWriteAccess(const std::string& path) {
    keys_[path].readOnly = true;
}

long MemoryRegistry::openKey(RegistryKey root, const std::string& path, std::uint32_t,
                             std::uint32_t access, RegistryKey& key) {
    constexpr std::uint32_t writeRights = 0x2 | 0x4 | 0x20; // set value, create sub-key, link
    const auto found = keys_.find(path);
    if (root != hkeyLocalMachine || found == keys_.end()) {
        return registryNotFound;
    }
    if (found->second.readOnly && (access & writeRights) != 0) {
        return registryAccessDenied;
    }
    key = nextHandle_++;
    open_[key] = &found->second;
    return registrySuccess;
}

long MemoryRegistry::queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                unsigned char* data, std::uint32_t& size) {
    const auto open = open_.find(key);
    if (open == open_.end() || !open->second->values.contains(name)) {
        return registryNotFound;
    }
    const Value& value = open->second->values.at(name);
    const bool fits = value.data.size() <= size;
    size = static_cast<std::uint32_t>(value.data.size());
    if (!fits) {
        return registryMoreData;
    }
    type = value.type;
    std::copy(value.data.begin(), value.data.end(), data);
    return registrySuccess;
}

void MemoryRegistry::closeKey(RegistryKey key) {
    open_.erase(key);
}

} // namespace os
