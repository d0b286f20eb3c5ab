#pragma once
// The file test and program start that the system-information launcher needs, one real
// implementation per operating system. Knows no toolkit.

#include <memory>
#include <stdexcept>
#include <string>

namespace os {

// A file held open so that no one can change, replace or delete it until the holder is gone.
class HeldFile {
public:
    virtual ~HeldFile() = default;
};

class FileTest {
public:
    virtual ~FileTest() = default;
    // True for an ordinary file: not a folder; on Windows not hidden and not a system file.
    // Elsewhere nothing counts: there is no system-information program to find. Paths are 8-bit
    // text in the system's code page.
    virtual bool isOrdinaryFile(const std::string& path) = 0;
    // The program image at `path` (an .exe on a disk, not a library, a script, a document, a pipe
    // or a device), held; none for anything else. A program image is the only kind of file Windows
    // starts without handing it to a shell. Elsewhere nothing counts.
    virtual std::unique_ptr<HeldFile> holdProgramImage(const std::string& path) = 0;
};

struct StartFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at exactly this path, in its own folder, with no arguments and a normal,
    // focused window, never through a shell; returns at once without waiting. Throws StartFailed
    // when it cannot.
    virtual void start(const std::string& path) = 0;
};

FileTest& systemFiles();
ProgramStarter& systemPrograms();

} // namespace os
