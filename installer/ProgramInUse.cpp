#include "ProgramInUse.h"

#include <windows.h>

namespace installer {

// Asked of the file system itself: Windows refuses to open a running program's file for writing
// while its image is mapped, for every session and account, and no process can fake that answer
// the way it could take a named object's name first.
bool isInUse(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const DWORD refusal = GetLastError();
    return refusal == ERROR_SHARING_VIOLATION || refusal == ERROR_LOCK_VIOLATION;
}

} // namespace installer
