#include "MemoryRegistry.h"
#include "SystemServices.h"

#include <QProcess>
#include <QString>

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

class PosixFiles final : public FileTest {
public:
    bool isOrdinaryFile(const std::string& path) override {
        std::error_code error;
        return std::filesystem::is_regular_file(std::filesystem::path(path), error);
    }
};

class DetachedPrograms final : public ProgramStarter {
public:
    void start(const std::string& path) override {
        if (path.empty() || !QProcess::startDetached(QString::fromLocal8Bit(path), {})) {
            throw StartFailed("cannot start " + path);
        }
    }
};

} // namespace

// No registry here: every lookup fails.
Registry& systemRegistry() {
    static MemoryRegistry empty;
    return empty;
}

FileTest& systemFiles() {
    static PosixFiles files;
    return files;
}

ProgramStarter& systemPrograms() {
    static DetachedPrograms programs;
    return programs;
}

} // namespace platform
