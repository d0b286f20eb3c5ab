// What the handlers do where no window could make it happen: the work failing in the middle.

#include "MainWindowHandlers.h"
#include "MainWindowTable.h"

#include <gtest/gtest.h>

#include <map>
#include <new>
#include <optional>

namespace {

using namespace forms::mainWindow;

// A window without a toolkit, its boxes' texts kept and all else it is told written down.
struct RecordingWindow final : forms::WindowView, forms::MessageService, forms::SecondaryWindows {
    std::string text(const char* control) const override { return texts.at(control); }
    void setText(const char* control, const std::string& text) override { texts[control] = text; }
    void setCaption(const std::string& text) override { said += "caption " + text + "; "; }
    void printLine(const std::string& text) override { said += "print [" + text + "]; "; }
    void closeWindow() override { said += "close; "; }
    int showMessage(const std::string& text) override {
        said += "message " + text + "; ";
        return forms::messageBoxOk;
    }
    void showAbout() override { said += "show About; "; }
    void showHelp() override { said += "show Help; "; }

    std::map<std::string, std::string> texts;
    std::string said;
};

// Whatever the work throws, out of memory say, ends in the failure message, and the window
// carries on.
struct ExhaustedNumbers final : NumberFormat {
    std::optional<TypedNumber> read(const std::string&) const override { throw std::bad_alloc(); }
    std::string write(double) const override { throw std::bad_alloc(); }
};

TEST(MainWindow, anExceptionInTheWorkEndsInTheFailureMessage) {
    RecordingWindow window;
    const ExhaustedNumbers numbers;
    forms::MainWindowHandlers handlers(window, window, window, numbers);
    window.texts = {{coefficientA, "1"},
                    {coefficientB, "-3"},
                    {coefficientC, "2"},
                    {firstRoot, "5"},
                    {secondRoot, "6"}};
    handlers.calculate();
    EXPECT_EQ(window.said,
              "message Please do not mess around with this program.  If you are not "
              "going to use it responsibly, you should not use it at all.; print [ 1 ]; ");
    EXPECT_EQ(window.text(firstRoot) + window.text(secondRoot), "56");
}

} // namespace
