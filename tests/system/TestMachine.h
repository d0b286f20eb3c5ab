#pragma once
// The machine the launcher's cases run on: in memory, or Windows itself (under Wine when
// cross-compiled), with what the cases arrange and observe.

#include "Registry.h"
#include "SystemServices.h"

#include <memory>
#include <vector>

struct TestMachine {
    virtual ~TestMachine() = default;
    virtual os::Registry& registry() = 0;
    virtual os::FileTest& files() = 0;
    virtual os::ProgramStarter& programs() = 0;
    // Removes the keys the cases wrote and forgets which programs ran.
    virtual void clear() = 0;
    // Below HKEY_LOCAL_MACHINE; `data` holds every byte stored. A read-only key lets everyone read
    // it and no one change it.
    virtual void setValue(const std::string& key, const std::string& name, std::uint32_t type,
                          const std::string& data, bool readOnly = false) = 0;
    // A folder with blanks (on Windows also letters beyond ASCII) in its path that holds the
    // program MSINFO32.EXE; the current folder holds another.
    virtual std::string programFolder() = 0;
    // Whether the registry underneath, asked itself, still holds `key` open.
    virtual bool isOpen(os::RegistryKey key) = 0;
    // Whether another program could now write, rename or delete the file at `path`.
    virtual bool canReplace(const std::string& path) = 0;
    // The programs started since clear(), each with " in FOLDER" where it started in a folder
    // other than its own; when one is `awaited`, it is given time to start.
    virtual std::vector<std::string> started(bool awaited) = 0;
};

// Null when this process is itself a started program standing in for the real one.
std::unique_ptr<TestMachine> makeTestMachine();
