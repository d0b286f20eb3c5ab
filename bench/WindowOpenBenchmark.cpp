// Time from choosing a secondary window in the main window's menu to that window being shown
// and painted, on Qt's offscreen platform: building it from its table, loading its pictures; and
// how much the most resident memory grew over all the openings and closings.

#include "Application.h"
#include "MainWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

class SilentMessages final : public forms::MessageService {
public:
    int showMessage(const std::string&) override { return forms::messageBoxOk; }
};

long mostResidentKiB() {
    rusage usage{};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

// Chooses the item, paints the window that opens, and returns it.
QWidget* open(qtui::MainWindow& main, const char* item, const char* window) {
    main.menuItem(item)->trigger();
    QWidget* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        shown = top->isVisible() && top->objectName() == QLatin1StringView(window) ? top : shown;
    }
    shown->repaint(); // painted once, as when it first appears
    return shown;
}

// Closed and deleted, with every event the opening and closing posted handled, as the program's
// event loop would: events left in the queue would grow the memory measured.
void close(QWidget* window) {
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void openWindow(benchmark::State& state, const char* item, const char* window) {
    SilentMessages messages;
    qtui::MainWindow main(messages);
    main.show();
    QApplication::processEvents();
    for (int i = 0; i < 20; ++i) {
        close(open(main, item, window)); // caches fill
    }
    const long before = mostResidentKiB();
    for (auto _ : state) {
        QWidget* shown = open(main, item, window);
        state.PauseTiming();
        close(shown);
        state.ResumeTiming();
    }
    state.counters["resident_KiB_grown"] = double(mostResidentKiB() - before);
}

} // namespace

BENCHMARK_CAPTURE(openWindow, help, "mnuhelp", "Help")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(openWindow, about, "mnuAbout", "frmAbout")->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qtui::prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
