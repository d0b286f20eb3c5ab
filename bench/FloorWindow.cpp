// The toolkit's floor: a bare Qt Widgets window with the main window's controls and menu bar,
// laid out by hand and nothing else, for comparing start-up time and memory.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* surface = new QWidget(&window);
    window.setCentralWidget(surface);
    const auto place = [](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(x, y, width, height);
    };
    place(new QLineEdit(surface), 48, 56, 41, 33);
    place(new QLineEdit(surface), 152, 56, 41, 33);
    place(new QLineEdit(surface), 256, 56, 41, 33);
    place(new QLineEdit(surface), 56, 304, 73, 41);
    place(new QLineEdit(surface), 216, 304, 73, 41);
    place(new QLabel(QStringLiteral("X \u00B2"), surface), 96, 64, 25, 25);
    place(new QLabel(QStringLiteral("+"), surface), 128, 64, 17, 25);
    place(new QLabel(QStringLiteral("X"), surface), 200, 64, 25, 25);
    place(new QLabel(QStringLiteral("+"), surface), 232, 64, 17, 25);
    place(new QLabel(QStringLiteral("X="), surface), 16, 312, 33, 25);
    place(new QLabel(QStringLiteral("Or"), surface), 136, 312, 25, 25);
    place(new QLabel(QStringLiteral("X="), surface), 176, 312, 33, 25);
    place(new QPushButton(QStringLiteral("CALCULATE"), surface), 56, 168, 193, 57);
    place(new QPushButton(QStringLiteral("CLEAR"), surface), 80, 376, 145, 49);
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(QStringLiteral("&About"));
    options->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addAction(QStringLiteral("Help"));
    window.resize(346, 500);
    window.show();
    return QApplication::exec();
}
