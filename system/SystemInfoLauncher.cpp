#include "SystemInfoLauncher.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <utility>

namespace os {

namespace {

constexpr std::uint32_t typeText = 1;   // REG_SZ
constexpr std::uint32_t typeNumber = 4; // REG_DWORD
// Reading asks for no more than KEY_READ: with write rights too, a key that everyone may read
// but only administrators may change would count as missing.
constexpr std::uint32_t readRights = 0x20019;
constexpr std::uint32_t bufferSize = 1024;

const std::string unavailable = "System Information Is Unavailable At This Time";

// A drive's root ("C:\") or a network share ("\\server\share"), not the device namespaces
// ("\\.\", "\\?\").
bool isAbsolutePath(const std::string& path) {
    const auto separator = [](char ch) { return ch == '\\' || ch == '/'; };
    if (path.size() < 3) {
        return false;
    }
    const bool driveRoot =
        std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && separator(path[2]);
    const bool share = separator(path[0]) && separator(path[1]) && !separator(path[2]) &&
                       path[2] != '.' && path[2] != '?';
    return driveRoot || share;
}

} // namespace

SystemInfoLauncher::SystemInfoLauncher(Registry& registry, FileTest& files,
                                       ProgramStarter& programs, ShowMessage showMessage)
    : registry_(registry), files_(files), programs_(programs),
      showMessage_(std::move(showMessage)) {}

// Every failure, a start that fails included, ends in the message.
void SystemInfoLauncher::start() {
    try {
        std::string path;
        const bool named = readKeyValue(hkeyLocalMachine,
                                        "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
        if (!named) {
            if (!readKeyValue(hkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                              "MSINFO", path)) {
                throw StartFailed("not installed");
            }
            path += "\\MSINFO32.EXE";
        }
        // Only a program, by its full path, is tested for or started: a relative path would be
        // looked for in the current folder, and a script would be handed to a shell. It is held
        // from the test until it has started, so that what starts is what was tested.
        const std::unique_ptr<HeldFile> program =
            isAbsolutePath(path) && (named || files_.isOrdinaryFile(path))
                ? files_.holdProgramImage(path)
                : nullptr;
        if (!program) {
            throw StartFailed("not a program: " + path);
        }
        programs_.start(path);
    } catch (const std::exception&) {
        showMessage_(unavailable);
    }
}

bool SystemInfoLauncher::readKeyValue(RegistryKey root, const std::string& keyPath,
                                      const std::string& valueName, std::string& value) {
    RegistryKey key = 0;
    std::array<unsigned char, bufferSize> buffer{};
    std::uint32_t size = bufferSize;
    std::uint32_t type = 0;
    if (registry_.openKey(root, keyPath, 0, readRights, key) != registrySuccess ||
        registry_.queryValue(key, valueName, type, buffer.data(), size) != registrySuccess) {
        value.clear();
        registry_.closeKey(key); // a null handle when the open failed
        return false;
    }
    // Text ends at its first zero byte, where Windows stops reading a path: a second zero kept
    // would make the file test and the start look at a different path than the one formed.
    const auto end = buffer.begin() + std::min(size, bufferSize);
    if (type == typeText) {
        value.assign(buffer.begin(), std::find(buffer.begin(), end, 0));
    } else if (type == typeNumber) {
        value = std::to_string(std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8 |
                               std::uint32_t(buffer[2]) << 16 | std::uint32_t(buffer[3]) << 24);
    }
    registry_.closeKey(key);
    return true;
}

} // namespace os
