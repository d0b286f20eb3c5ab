#pragma once
// The file test and program start that the system-information launcher needs, one real
// implementation per operating system. Knows no toolkit.

#include <stdexcept>
#include <string>

namespace os {

class FileTest {
public:
    virtual ~FileTest() = default;
    // True for an ordinary file: not a folder; on Windows not hidden and not a system file.
    // Elsewhere nothing counts: there is no system-information program to find. Paths are 8-bit
    // text in the system's code page.
    virtual bool isOrdinaryFile(const std::string& path) = 0;
    // True for a program image (an .exe, not a library, a script or a document): the only kind of
    // file Windows starts without handing it to a shell. Elsewhere nothing counts.
    virtual bool isProgramImage(const std::string& path) = 0;
};

struct StartFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at exactly this path, with no arguments and a normal, focused window,
    // never through a shell; returns at once without waiting. Throws StartFailed when it cannot.
    virtual void start(const std::string& path) = 0;
};

FileTest& systemFiles();
ProgramStarter& systemPrograms();

} // namespace os
