// What the handlers do where no window could make it happen: the work failing in the middle.

#include "MainWindowHandlers.h"
#include "MainWindowTable.h"
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

} // namespace
