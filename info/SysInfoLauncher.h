#pragma once
// StartSysInfo and GetKeyValue: find the system-information program through two registry lookups,
// test for its file and start it, or say that it is unavailable. The About box has them as its
// members. The registry, the file test, program start and the message come in from outside, so
// this part knows no toolkit and builds for Windows alone.

#include "platform/Registry.h"
#include "platform/SystemServices.h"

#include <functional>
#include <string>

class SysInfoLauncher {
public:
    using ShowMessage = std::function<void(const std::string&)>;

    SysInfoLauncher(platform::Registry& registry, platform::FileTest& files,
                    platform::ProgramStarter& programs, ShowMessage showMessage);

    // Starts the program or shows "System Information Is Unavailable At This Time"; never
    // throws, never waits.
    void StartSysInfo();

    // Reads one value as text into KeyVal: true when the key opened and the value was read (a
    // type other than text or number then leaves KeyVal as it was); false, with KeyVal empty,
    // otherwise.
    bool GetKeyValue(platform::RegistryKey KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

private:
    platform::Registry& registry_;
    platform::FileTest& files_;
    platform::ProgramStarter& programs_;
    ShowMessage showMessage_;
};
