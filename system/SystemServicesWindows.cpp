#include "LateBinding.h"
#include "Registry.h"
#include "SystemServices.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace os {

namespace {

// advapi32's registry functions, declared here and bound by name when first called.
template <typename Function> Function* advapi32(const char* name) {
    return lateBound<Function>(L"advapi32.dll", name);
}

class WindowsRegistry final : public Registry {
public:
    long openKey(RegistryKey root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, RegistryKey& key) override {
        using Open = LONG WINAPI(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
        static Open* const open = advapi32<Open>("RegOpenKeyExA");
        HKEY opened = nullptr;
        const LONG status =
            open(reinterpret_cast<HKEY>(root), path.c_str(), options, access, &opened);
        key = reinterpret_cast<RegistryKey>(opened);
        return status;
    }
    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        using Query = LONG WINAPI(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
        static Query* const query = advapi32<Query>("RegQueryValueExA");
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG status =
            query(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return status;
    }
    void closeKey(RegistryKey key) override {
        using Close = LONG WINAPI(HKEY);
        static Close* const close = advapi32<Close>("RegCloseKey");
        close(reinterpret_cast<HKEY>(key));
    }
};

class WindowsFiles final : public FileTest {
public:
    bool isOrdinaryFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        constexpr DWORD notOrdinary =
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & notOrdinary) == 0;
    }
    // Its headers say so: the DOS stub's signature, then the PE signature and a file header that
    // marks an executable image and not a library. A folder does not open; a pipe or a device is
    // not read, as a read could wait forever. Others may read it while it is held, not write,
    // rename or delete it.
    std::unique_ptr<HeldFile> holdProgramImage(const std::string& path) override {
        auto held = std::make_unique<OpenFile>(CreateFileA(path.c_str(), GENERIC_READ,
                                                           FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        const HANDLE file = held->handle;
        if (file == INVALID_HANDLE_VALUE || GetFileType(file) != FILE_TYPE_DISK) {
            return nullptr;
        }
        const auto readExactly = [file](void* into, DWORD size) {
            DWORD read = 0;
            return ReadFile(file, into, size, &read, nullptr) && read == size;
        };
        IMAGE_DOS_HEADER stub{};
        DWORD signature = 0;
        IMAGE_FILE_HEADER header{};
        const bool image =
            readExactly(&stub, sizeof stub) && stub.e_magic == IMAGE_DOS_SIGNATURE &&
            SetFilePointer(file, stub.e_lfanew, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
            readExactly(&signature, sizeof signature) && signature == IMAGE_NT_SIGNATURE &&
            readExactly(&header, sizeof header) &&
            (header.Characteristics & IMAGE_FILE_EXECUTABLE_IMAGE) != 0 &&
            (header.Characteristics & IMAGE_FILE_DLL) == 0;
        return image ? std::move(held) : nullptr;
    }

private:
    struct OpenFile final : HeldFile {
        explicit OpenFile(HANDLE opened) : handle(opened) {}
        ~OpenFile() override {
            if (handle != INVALID_HANDLE_VALUE) {
                CloseHandle(handle);
            }
        }
        OpenFile(const OpenFile&) = delete;
        OpenFile& operator=(const OpenFile&) = delete;
        HANDLE handle;
    };
};

std::wstring wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), length);
    return buffer.data();
}

// By exact path as the application name, so that the system never splits a path with blanks; in
// its own folder, so that the program, which outlives this one, keeps no other folder busy.
class CreatedProcesses final : public ProgramStarter {
public:
    void start(const std::string& path) override {
        const std::wstring application = wide(path);
        const std::wstring folder = application.substr(0, application.find_last_of(L"\\/") + 1);
        std::wstring commandLine = L"\"" + application + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (path.empty() ||
            !CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, folder.c_str(), &startup, &process)) {
            throw StartFailed("cannot start " + path);
        }
        CloseHandle(process.hThread); // not waited for, not tracked
        CloseHandle(process.hProcess);
    }
};

} // namespace

Registry& systemRegistry() {
    static WindowsRegistry registry;
    return registry;
}

FileTest& systemFiles() {
    static WindowsFiles files;
    return files;
}

ProgramStarter& systemPrograms() {
    static CreatedProcesses programs;
    return programs;
}

} // namespace os
