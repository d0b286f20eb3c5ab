#pragma once
// A registry that passes every call on and keeps the keys that are open, so a test can see that
// each key opened was closed again.

#include "Registry.h"

#include <set>

class CountingRegistry final : public os::Registry {
public:
    explicit CountingRegistry(os::Registry& registry) : registry_(registry) {}

    long openKey(os::RegistryKey root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, os::RegistryKey& key) override {
        const long status = registry_.openKey(root, path, options, access, key);
        if (status == os::registrySuccess) {
            open_.insert(key);
        }
        return status;
    }
    long queryValue(os::RegistryKey key, const std::string& name, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        return registry_.queryValue(key, name, type, data, size);
    }
    void closeKey(os::RegistryKey key) override {
        open_.erase(key);
        registry_.closeKey(key);
    }

    std::size_t openKeys() const { return open_.size(); }

private:
    os::Registry& registry_;
    std::set<os::RegistryKey> open_;
};
