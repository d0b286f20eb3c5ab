#include "SysInfoLauncher.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

constexpr std::uint32_t typeText = 1;   // REG_SZ
constexpr std::uint32_t typeNumber = 4; // REG_DWORD
// The rights first asked for include writing, so a key that everyone may read but only
// administrators may write counted as missing; reading needs no more than KEY_READ.
[[maybe_unused]] constexpr std::uint32_t readAndWriteRights = 0x0002003F;
constexpr std::uint32_t readRights = 0x20019; // KEY_READ
constexpr std::uint32_t bufferSize = 1024;

const std::string unavailable = "System Information Is Unavailable At This Time";

} // namespace

SysInfoLauncher::SysInfoLauncher(platform::Registry& registry, platform::FileTest& files,
                                 platform::ProgramStarter& programs, ShowMessage showMessage)
    : registry_(registry), files_(files), programs_(programs),
      showMessage_(std::move(showMessage)) {}

// Every failure, a start that fails included, ends in the message.
void SysInfoLauncher::StartSysInfo() {
    try {
        std::string SysInfoPath;
        if (!GetKeyValue(platform::hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                         "PATH", SysInfoPath)) {
            if (!GetKeyValue(platform::hkeyLocalMachine,
                             "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", SysInfoPath)) {
                throw platform::StartFailed("not installed");
            }
            SysInfoPath += "\\MSINFO32.EXE";
            if (!files_.isOrdinaryFile(SysInfoPath)) {
                throw platform::StartFailed("no " + SysInfoPath);
            }
        }
        programs_.start(SysInfoPath);
    } catch (const std::exception&) {
        showMessage_(unavailable);
    }
}

bool SysInfoLauncher::GetKeyValue(platform::RegistryKey KeyRoot, const std::string& KeyName,
                                  const std::string& SubKeyRef, std::string& KeyVal) {
    platform::RegistryKey key = 0;
    std::array<unsigned char, bufferSize> buffer{};
    std::uint32_t size = bufferSize;
    std::uint32_t type = 0;
    if (registry_.openKey(KeyRoot, KeyName, 0, readRights, key) != platform::registrySuccess ||
        registry_.queryValue(key, SubKeyRef, type, buffer.data(), size) !=
            platform::registrySuccess) {
        KeyVal.clear();
        registry_.closeKey(key); // a null handle when the open failed
        return false;
    }
    // Text ends at its first zero byte, where Windows stops reading a path: a second zero kept
    // would make the file test and the start look at a different path than the one formed.
    const auto end = buffer.begin() + std::min(size, bufferSize);
    if (type == typeText) {
        KeyVal.assign(buffer.begin(), std::find(buffer.begin(), end, 0));
    } else if (type == typeNumber) {
        KeyVal = std::to_string(std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8 |
                                std::uint32_t(buffer[2]) << 16 | std::uint32_t(buffer[3]) << 24);
    }
    registry_.closeKey(key);
    return true;
}
