#include "Registry.h"
#include "SystemServices.h"

namespace os {

namespace {

// No registry here: every key is missing.
class EmptyRegistry final : public Registry {
public:
    long openKey(RegistryKey, const std::string&, std::uint32_t, std::uint32_t,
                 RegistryKey&) override {
        return registryNotFound;
    }
    long queryValue(RegistryKey, const std::string&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        return registryNotFound;
    }
    void closeKey(RegistryKey) override {}
};

// Without a registry the launcher never gets as far as a file to test or a program to start;
// should it, there is no system-information program to find here.
class NoSystemInfoProgram final : public FileTest, public ProgramStarter {
public:
    bool isOrdinaryFile(const std::string&) override { return false; }
    std::unique_ptr<HeldFile> holdProgramImage(const std::string&) override { return nullptr; }
    void start(const std::string& path) override {
        throw StartFailed("no system-information program here: " + path);
    }
};

NoSystemInfoProgram none;

} // namespace

Registry& systemRegistry() {
    static EmptyRegistry empty;
    return empty;
}

FileTest& systemFiles() {
    return none;
}

ProgramStarter& systemPrograms() {
    return none;
}

} // namespace os
