// The installers' test for a running Brintamo, one DLL for both: the MSI runs it as a custom
// action before it validates what it is about to change, the NSIS uninstaller calls it through
// its System plug-in. Neither may remove or replace a program that runs.

#include "ProgramInUse.h"

#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <string>

extern "C" {

// For NSIS: 1 while the program at `path` runs, else 0.
__declspec(dllexport) int __stdcall programInUse(const wchar_t* path) {
    return installer::isInUse(path) ? 1 : 0;
}

// For the MSI, whatever it is asked to do (install, repair, upgrade or remove): while the
// installed program runs, the whole operation is refused with a message that says why, before
// anything has changed.
__declspec(dllexport) UINT __stdcall RefuseWhileRunning(MSIHANDLE install) {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD size = DWORD(folder.size());
    if (MsiGetPropertyW(install, L"INSTALLFOLDER", folder.data(), &size) == ERROR_MORE_DATA) {
        folder.resize(++size);
        MsiGetPropertyW(install, L"INSTALLFOLDER", folder.data(), &size);
    }
    folder.resize(size);
    if (!installer::isInUse(folder + L"brintamo.exe")) {
        return ERROR_SUCCESS;
    }
    const MSIHANDLE message = MsiCreateRecord(0);
    MsiRecordSetStringW(message, 0, L"Brintamo is running. Close it, then try again.");
    MsiProcessMessage(install, INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONSTOP), message);
    MsiCloseHandle(message);
    return ERROR_INSTALL_FAILURE;
}

} // extern "C"
