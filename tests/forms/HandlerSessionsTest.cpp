// What the handlers do where no window could make it happen: the work failing in the middle,
// and System Info answered by a machine of the test's own.

#include "AboutBoxHandlers.h"
#include "MainWindowHandlers.h"
#include "MainWindowTable.h"
#include "MemoryRegistry.h"
#include "RecordingWindow.h"

#include <gtest/gtest.h>

#include <new>
#include <optional>

namespace {

using forms::MainWindowHandlers;
using namespace forms::mainWindow;

const std::string failed = "message Please do not mess around with this program.  If you are not "
                           "going to use it responsibly, you should not use it at all.";
const std::string answer = "; print [ 1 ]"; // the message box's answer, printed on the window

// Whatever the work throws, out of memory say, ends in the failure message, and the window
// carries on.
struct ExhaustedNumbers final : NumberFormat {
    std::optional<TypedNumber> read(const std::string&) const override { throw std::bad_alloc(); }
    std::string write(double) const override { throw std::bad_alloc(); }
};

TEST(MainWindow, anExceptionInTheWorkEndsInTheFailureMessage) {
    RecordingWindow window;
    const ExhaustedNumbers numbers;
    MainWindowHandlers handlers(window, window, window, numbers);
    window.texts = {{coefficientA, "1"},
                    {coefficientB, "-3"},
                    {coefficientC, "2"},
                    {firstRoot, "5"},
                    {secondRoot, "6"}};
    handlers.calculate();
    EXPECT_EQ(window.said(), failed + answer);
    EXPECT_EQ(window.text(firstRoot) + window.text(secondRoot), "56");
}

// System Info's file test and program start, answered here.
struct Programs final : os::FileTest, os::ProgramStarter {
    bool isOrdinaryFile(const std::string& path) override { return path == program; }
    std::unique_ptr<os::HeldFile> holdProgramImage(const std::string& path) override {
        return path == program ? std::make_unique<os::HeldFile>() : nullptr;
    }
    void start(const std::string& path) override { started.push_back(path); }
    std::string program = "C:\\Tools\\MSINFO32.EXE";
    std::vector<std::string> started;
};

// Without the registry's answer the message, and the box stays open; with it, the program.
TEST(AboutBox, systemInfoStartsTheProgramOrSaysSoAndStaysOpen) {
    RecordingWindow window;
    os::MemoryRegistry registry;
    Programs programs;
    forms::AboutBoxHandlers about{window, window, registry, programs, programs};
    about.startSystemInfo();
    EXPECT_EQ(window.said(), "message System Information Is Unavailable At This Time");
    registry.setValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", {1, "C:\\Tools"});
    about.startSystemInfo();
    EXPECT_EQ(programs.started, std::vector<std::string>{programs.program});
    EXPECT_EQ(window.events.size(), 1U);
}

} // namespace
