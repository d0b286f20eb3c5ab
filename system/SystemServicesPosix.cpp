#include "Registry.h"
#include "SystemServices.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace os {

namespace {

// No registry here: every key is missing.
class EmptyRegistry final : public Registry {
public:
    long openKey(RegistryKey, const std::string&, std::uint32_t, std::uint32_t,
                 RegistryKey&) override {
        return registryNotFound;
    }
    long queryValue(RegistryKey, const std::string&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        return registryNotFound;
    }
    void closeKey(RegistryKey) override {}
};

class PosixFiles final : public FileTest {
public:
    bool isOrdinaryFile(const std::string& path) override {
        std::error_code error;
        return std::filesystem::is_regular_file(std::filesystem::path(path), error);
    }
};

// The program is started by a short-lived child, so that it is nobody's child to wait for. A
// failed start writes its error to a pipe, whose ends close when the program starts.
class DetachedPrograms final : public ProgramStarter {
public:
    void start(const std::string& path) override {
        int report[2];
        if (path.empty() || pipe2(report, O_CLOEXEC) != 0) {
            throw StartFailed("cannot start " + path);
        }
        const pid_t starter = fork();
        if (starter == 0) {
            const pid_t program = fork();
            if (program == 0) {
                char* const arguments[] = {const_cast<char*>(path.c_str()), nullptr};
                execv(path.c_str(), arguments);
            }
            tellFailure(report[1], program);
            _exit(0);
        }
        close(report[1]);
        int error = 0;
        const bool failed = starter < 0 || read(report[0], &error, sizeof error) > 0;
        close(report[0]);
        if (starter > 0) {
            waitpid(starter, nullptr, 0);
        }
        if (failed) {
            throw StartFailed("cannot start " + path);
        }
    }

private:
    // In the started program after a failed exec, or in the starter when it could not fork.
    static void tellFailure(int pipe, pid_t program) {
        if (program <= 0) {
            const int error = errno;
            while (write(pipe, &error, sizeof error) < 0 && errno == EINTR) {
            }
        }
    }
};

} // namespace

Registry& systemRegistry() {
    static EmptyRegistry empty;
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

} // namespace os
