// What the windows do, as sessions against a recording window: texts typed, buttons and menu
// items pressed, and after each step the five boxes and everything the window was told to do.

#include "AboutBoxHandlers.h"
#include "LocaleNumbers.h"
#include "MainWindowHandlers.h"
#include "MainWindowTable.h"
#include "MemoryRegistry.h"
#include "RecordingWindow.h"
#include "RowNames.h"

#include <gtest/gtest.h>

#include <new>
#include <optional>

namespace {

using forms::MainWindowHandlers;
using namespace forms::mainWindow;

const std::string noRoots = "message There are no roots.  The Curve does not go below the x-Axis";
const std::string missing = "message Please enter a number into all of the boxes.";
const std::string failed = "message Please do not mess around with this program.  If you are not "
                           "going to use it responsibly, you should not use it at all.";
const std::string answer = "; print [ 1 ]"; // the message box's answer, printed on the window

// One press, after typing into the coefficient boxes where a text is given.
struct Step {
    std::optional<std::string> a, b, c;
    void (MainWindowHandlers::*press)();
    std::string boxes; // the five boxes' texts after it, a|b|c|first root|second root
    std::string done;  // what the window was told, in order, "; " between
};

struct Session {
    const char* name;
    std::vector<Step> steps;
};

const auto untyped = std::nullopt;
const auto calculate = &MainWindowHandlers::calculate;
const std::string setsAll = "set Text1; set Text2; set Text3; set Text4; set Text5";
const Step typedAndSolved = {"1", "-3", "2", calculate, "1|-3|2|2|1", setsAll};

const Session sessions[] = {
    {"roots into the root boxes", {typedAndSolved}},
    {"no real roots: the message, then its answer printed, the roots kept",
     {typedAndSolved,
      {untyped, untyped, "3", calculate, "1|-3|3|2|1", "set Text3; " + noRoots + answer}}},
    {"a late failure writes the first root and keeps the second",
     {typedAndSolved,
      {"1e-307", "1", "0", calculate, "1e-307|1|0|0|1",
       "set Text1; set Text2; set Text3; set Text4; " + failed + answer}}},
    {"an empty box asks for all three, one line per message",
     {{"1", untyped, untyped, calculate, "1||||", "set Text1; " + missing + answer},
      {untyped, untyped, untyped, calculate, "1||||", missing + answer},
      {untyped, "x", "1", calculate, "1|x|1||", "set Text2; set Text3; " + failed + answer}}},
    {"CLEAR empties the five boxes and nothing else",
     {typedAndSolved,
      {untyped, untyped, untyped, &MainWindowHandlers::clear, "||||", setsAll},
      {untyped, untyped, untyped, &MainWindowHandlers::clear, "||||", setsAll}}},
    {"the menu items",
     {{untyped, untyped, untyped, &MainWindowHandlers::showAbout, "||||", "show About"},
      {untyped, untyped, untyped, &MainWindowHandlers::showHelp, "||||", "show Help"},
      {untyped, untyped, untyped, &MainWindowHandlers::exit, "||||", "close"}}},
};

class MainWindowSession : public testing::TestWithParam<Session> {};

TEST_P(MainWindowSession, doesWhatEachStepNeeds) {
    RecordingWindow window;
    const auto numbers = localeNumbers(false);
    MainWindowHandlers handlers(window, window, window, *numbers);
    for (int number = 1; const Step& step : GetParam().steps) {
        SCOPED_TRACE("step " + std::to_string(number++));
        window.events.clear();
        for (const auto& [box, text] :
             {std::pair{coefficientA, step.a}, {coefficientB, step.b}, {coefficientC, step.c}}) {
            text ? window.setText(box, *text) : void();
        }
        (handlers.*step.press)();
        std::string boxes = window.text(coefficientA);
        for (const char* box : {coefficientB, coefficientC, firstRoot, secondRoot}) {
            boxes += '|' + window.text(box);
        }
        EXPECT_EQ(boxes, step.boxes);
        EXPECT_EQ(window.said(), step.done);
    }
}

INSTANTIATE_TEST_SUITE_P(sessions, MainWindowSession, testing::ValuesIn(sessions), ByRowName());

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
