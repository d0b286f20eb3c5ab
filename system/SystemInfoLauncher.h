#pragma once
// Finds the system-information program through two registry lookups, tests for its file and
// starts it, or says that it is unavailable. The registry, the file test, program start and the
// message come in from outside, so this knows no toolkit and builds for Windows alone.

#include "Registry.h"
#include "SystemServices.h"

#include <functional>
#include <string>

namespace os {

class SystemInfoLauncher {
public:
    using ShowMessage = std::function<void(const std::string&)>;

    SystemInfoLauncher(Registry& registry, FileTest& files, ProgramStarter& programs,
                       ShowMessage showMessage);

    // Starts the program or shows "System Information Is Unavailable At This Time"; never
    // throws, never waits.
    void start();

    // Reads one value below `root` as text into `value`: true when the key opened and the value
    // was read (a type other than text or number then leaves `value` as it was); false, with
    // `value` empty, otherwise. Text ends at its first zero byte, as Windows reads a path.
    bool readKeyValue(RegistryKey root, const std::string& keyPath, const std::string& valueName,
                      std::string& value);

private:
    Registry& registry_;
    FileTest& files_;
    ProgramStarter& programs_;
    ShowMessage showMessage_;
};

} // namespace os
