#pragma once
// A registry that passes every call on and remembers each key it opened, so that a test can ask
// the registry underneath whether each one was really closed.

#include "Registry.h"

#include <vector>

class KeyRecordingRegistry final : public os::Registry {
public:
    explicit KeyRecordingRegistry(os::Registry& registry) : registry_(registry) {}

    long openKey(os::RegistryKey root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, os::RegistryKey& key) override {
        const long status = registry_.openKey(root, path, options, access, key);
        if (status == os::registrySuccess) {
            opened.push_back(key);
        }
        return status;
    }
    long queryValue(os::RegistryKey key, const std::string& name, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        return registry_.queryValue(key, name, type, data, size);
    }
    void closeKey(os::RegistryKey key) override { registry_.closeKey(key); }

    std::vector<os::RegistryKey> opened;

private:
    os::Registry& registry_;
};
