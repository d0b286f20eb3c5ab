// The built program in a real X window under Xvfb: real keys and clicks through xdotool, then
// the pixels of a screenshot. The program's path is the first argument.

#include "tests/support/Pictures.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QStringList windowsNamed(const QString& title) {
    return xdotool({"search", "--onlyvisible", "--name", u'^' + title + u'$'})
        .split(u'\n', Qt::SkipEmptyParts);
}

// No window manager, so no frame: a window's geometry is that of its client area and menu bar.
QRect geometryOf(const QString& window) {
    const QStringList lines = xdotool({"getwindowgeometry", "--shell", window}).split(u'\n');
    const auto value = [&](int line) { return lines.value(line).section(u'=', 1).toInt(); };
    return {value(1), value(2), value(3), value(4)};
}

QImage screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

} // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

    QProcess program_;
    QRect window_;
    QPoint origin_; // the client area's top-left corner, below the menu bar

    void click(int leftTwips, int topTwips) {
        const QPoint at = origin_ + QPoint(leftTwips, topTwips) / 15;
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

private slots:
    void initTestCase() {
        program_.start(QApplication::arguments().at(1), {});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 1, 15000);
        // The client area is the bottom of the window.
        window_ = geometryOf(windowsNamed("Brintamo")[0]);
        origin_ = window_.bottomLeft() - QPoint(0, 475);
    }

    void typeCalculateAndReadThePixels() {
        click(1020, 1080); // into Text1
        xdotool({"type", "--delay", "20", "1\t0\t1"});
        click(2240, 2920); // CALCULATE: no real roots, so a message box
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 2, 5000);
        xdotool({"key", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 1, 5000);
        QTest::qWait(300);
        const QImage screen = screenshot();
        if (const QString path = qEnvironmentVariable("BRINTAMO_SCREENSHOT"); !path.isEmpty()) {
            screen.copy(window_).save(path);
        }
        QCOMPARE(screen.pixel(origin_ + QPoint(340, 470)), pictures::darkRed);
        const QRect text4(origin_ + QPoint(60, 308), QSize(65, 33));
        const QRgb boxColour = screen.pixel(text4.center());
        QCOMPARE(QColor(boxColour).hsvSaturation(), 0);         // light grey
        QCOMPARE(pictures::inkIn(screen, text4, boxColour), 0); // empty, and no printed ink
        // The printed " 1 ": glyph pixels only, starting a blank in from the corner.
        QVERIFY(pictures::inkIn(screen, QRect(origin_, QSize(16, 13))) > 0);
        QCOMPARE(pictures::inkIn(screen, QRect(origin_, QSize(2, 13))), 0);
    }

    // Alt+O, A: the box at its place on the red, with its separator and icon; Escape closes it.
    void aboutFromTheKeyboard() {
        click(4000, 3000);
        xdotool({"key", "alt+o"});
        QTest::qWait(300);
        xdotool({"key", "a"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("About Brintamo").size(), 1, 5000);
        QTest::qWait(300);
        const QRect about = geometryOf(windowsNamed("About Brintamo")[0]);
        QCOMPARE(about.topLeft(), QPoint(156, 129));
        const QImage box = screenshot().copy(about);
        QCOMPARE(box.pixel(300, 20), pictures::darkRed);
        QCOMPARE(box.pixel(200, 152), qRgb(255, 255, 255)); // the separator
        const QRect icon(18, 18, 32, 32);
        QCOMPARE(box.pixel(icon.topLeft()), pictures::darkRed); // transparent there
        QVERIFY(pictures::inkIn(box, icon) > 300);
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("About Brintamo").size(), 0, 5000);
    }

    // Chosen with a real click, the picture shows unscaled inside the picture box's border.
    void helpFromTheMenuBar() {
        xdotool({"mousemove", QString::number(window_.x() + 70), QString::number(window_.y() + 9),
                 "click", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Help").size(), 1, 5000);
        QTest::qWait(300);
        const QPoint inside =
            geometryOf(windowsNamed("Help")[0]).topLeft() + QPoint(240, 3960) / 15 + QPoint(2, 2);
        QCOMPARE(
            screenshot().copy(QRect(inside, QSize(165, 172))),
            QImage(QStringLiteral(BRINTAMO_HELP_PICTURE)).convertToFormat(QImage::Format_RGB32));
    }

    // Alt+O, X closes the main window; the program goes on while Help is open.
    void exitLeavesHelpOpen() {
        click(5130, 7000); // the main window's corner that Help leaves uncovered
        xdotool({"key", "alt+o"});
        QTest::qWait(300);
        xdotool({"key", "x"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 0, 5000);
        QVERIFY(!program_.waitForFinished(500));
        QCOMPARE(windowsNamed("Help").size(), 1);
        program_.kill();
        program_.waitForFinished();
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        qCritical("usage: real_window_test PROGRAM [QTest options]");
        return 2;
    }
    RealWindowTest test;
    arguments.removeAt(1);
    return QTest::qExec(&test, arguments);
}

#include "RealWindowTest.moc"
