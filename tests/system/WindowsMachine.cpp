// The cases' machine on Windows itself: the system's registry, file test and program start. This
// test program, copied into a folder with blanks and letters beyond ASCII, stands in for the
// system-information program and, when started, leaves a marker file holding its command line and
// the folder it started in; a second copy waits where a split path would lead, a third is hidden,
// a fourth and a fifth (one named as a number reads) in the current folder. Scripts beside them
// leave a mark if a shell runs them.

#include "TestMachine.h"

#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

namespace fs = std::filesystem;

const fs::path base = fs::temp_directory_path() / L"brintamo system info t\u00ebst";

void require(bool done, const std::string& what) {
    done ? void() : throw std::runtime_error(what + " failed"); // registry calls set no last error
}

// A path in the system's ANSI code page, as the program reads it from the registry.
std::string ansi(const fs::path& path) {
    const std::wstring wide = path.wstring();
    BOOL lossy = FALSE;
    std::string text(wide.size() * 4, '\0');
    text.resize(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), int(wide.size()),
                                    text.data(), int(text.size()), nullptr, &lossy));
    require(!lossy, "writing a test path in the ANSI code page");
    return text;
}

fs::path thisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// `access` is an access list in the system's own notation.
void setAccess(HKEY key, const char* access) {
    PSECURITY_DESCRIPTOR list = nullptr;
    require(ConvertStringSecurityDescriptorToSecurityDescriptorA(access, 1, &list, nullptr) &&
                RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, list) == ERROR_SUCCESS,
            access);
    LocalFree(list);
}

struct WindowsMachine final : TestMachine {
    WindowsMachine() {
        fs::remove_all(base);
        fs::create_directories(programFolder());
        fs::create_directories(base / "Hidden");
        fs::create_directories(base / "Current");
        for (const fs::path& copy : programs_) {
            fs::copy_file(thisProgram(), copy);
        }
        require(SetFileAttributesW(programs_[2].c_str(), FILE_ATTRIBUTE_HIDDEN), "hiding");
        fs::create_directories(base / "a&b c");
        for (const fs::path& script :
             {fs::path(programFolder()) / "run.bat", fs::path(programFolder()) / "run.cmd",
              base / "a&b c" / "run.cmd"}) {
            std::ofstream(script) << "@echo a script> \"%~f0.ran\"\r\n";
        }
        require(SetCurrentDirectoryW((base / "Current").c_str()), "entering the current folder");
    }
    os::Registry& registry() override { return os::systemRegistry(); }
    os::FileTest& files() override { return os::systemFiles(); }
    os::ProgramStarter& programs() override { return os::systemPrograms(); }
    void clear() override {
        if (readOnly_ != nullptr) {
            setAccess(readOnly_, "D:(A;;KA;;;WD)");
            RegCloseKey(std::exchange(readOnly_, nullptr));
        }
        for (const std::string& key : written_) {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
        }
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(base)) {
            if (file.path().extension() == ".ran") {
                fs::remove(file.path());
            }
        }
    }
    // The system adds a terminating zero to text when the byte after it is one, so it is not. A
    // read-only key's handle keeps the right to give it back its access list.
    void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::string& data, bool readOnly) override {
        HKEY handle = nullptr;
        require(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &handle, nullptr) == ERROR_SUCCESS &&
                    RegSetValueExA(handle, name.c_str(), 0, type,
                                   reinterpret_cast<const BYTE*>((data + 'x').c_str()),
                                   DWORD(data.size())) == ERROR_SUCCESS,
                "writing " + key);
        written_.insert(key);
        readOnly ? setAccess(readOnly_ = handle, "D:(A;;KR;;;WD)") : void(RegCloseKey(handle));
    }
    std::string programFolder() override { return ansi(base / "Program Files"); }
    bool isOpen(os::RegistryKey key) override {
        DWORD values = 0;
        return RegQueryInfoKeyA(reinterpret_cast<HKEY>(key), nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                                nullptr) == ERROR_SUCCESS;
    }
    std::vector<std::string> started(bool awaited) override {
        std::vector<std::string> ran;
        for (int wait = awaited ? 600 : 1; ran.empty() && wait-- > 0; Sleep(50)) {
            ran = marked();
        }
        return ran;
    }
    bool canReplace(const std::string& path) override {
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        file != INVALID_HANDLE_VALUE ? void(CloseHandle(file)) : void();
        return file != INVALID_HANDLE_VALUE;
    }
    // What left its mark: a program started with its exact path as the whole command line, or
    // else what ran and how, and where it started outside its own folder.
    static std::vector<std::string> marked() {
        std::vector<std::string> ran;
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(base)) {
            if (file.path().extension() == ".ran") {
                const std::string program = ansi(fs::path(file.path()).replace_extension());
                std::ifstream mark(file.path());
                std::string commandLine;
                std::string folder;
                std::getline(mark, commandLine);
                std::getline(mark, folder);
                const std::string own = ansi(fs::path(file.path()).parent_path());
                ran.push_back((commandLine == '"' + program + '"'
                                   ? program
                                   : program + " started as " + commandLine) +
                              (folder == own ? "" : " in " + folder));
            }
        }
        return ran;
    }
    const fs::path programs_[5] = {base / "Program Files" / "MSINFO32.EXE", base / "Program.exe",
                                   base / "Hidden" / "MSINFO32.EXE", base / "Current" / "16",
                                   base / "Current" / "MSINFO32.EXE"};
    std::set<std::string> written_;
    HKEY readOnly_ = nullptr;
};

} // namespace

std::unique_ptr<TestMachine> makeTestMachine() {
    if (thisProgram().wstring().starts_with(base.wstring())) {
        std::ofstream(fs::path(thisProgram().wstring() + L".ran"))
            << GetCommandLineA() << '\n'
            << ansi(fs::current_path()) << '\n';
        return nullptr;
    }
    return std::make_unique<WindowsMachine>();
}
