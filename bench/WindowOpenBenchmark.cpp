// Time from choosing a secondary window in the main window's menu to that window being shown
// and painted, on Qt's offscreen platform: building it from its table, loading its pictures.

#include "Application.h"
#include "MainWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

class SilentMessages final : public forms::MessageService {
public:
    int showMessage(const std::string&) override { return forms::messageBoxOk; }
};

void openWindow(benchmark::State& state, const char* item, const char* window) {
    SilentMessages messages;
    qtui::MainWindow main(messages);
    main.show();
    QApplication::processEvents();
    for (auto _ : state) {
        main.menuItem(item)->trigger();
        QWidget* shown = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            shown =
                top->isVisible() && top->objectName() == QLatin1StringView(window) ? top : shown;
        }
        shown->repaint(); // painted once, as when it first appears
        state.PauseTiming();
        shown->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
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
