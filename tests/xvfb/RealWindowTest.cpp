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

QStringList windowsNamedBrintamo() {
    return xdotool({"search", "--onlyvisible", "--name", "^Brintamo$"})
        .split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

    QProcess program_;
    QRect window_;  // on the screen; no window manager, so no frame
    QPoint origin_; // the client area's top-left corner, below the menu bar

    void click(int leftTwips, int topTwips) {
        const QPoint at = origin_ + QPoint(leftTwips, topTwips) / 15;
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

private slots:
    void initTestCase() {
        program_.start(QApplication::arguments().at(1), {});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamedBrintamo().size(), 1, 15000);
        // The client area is the bottom of the window.
        const QStringList geometry =
            xdotool({"getwindowgeometry", "--shell", windowsNamedBrintamo()[0]}).split(u'\n');
        const auto value = [&](int line) { return geometry[line].section(u'=', 1).toInt(); };
        window_ = QRect(value(1), value(2), value(3), value(4));
        origin_ = window_.bottomLeft() - QPoint(0, 475);
    }

    void typeCalculateAndReadThePixels() {
        click(1020, 1080); // into Text1
        xdotool({"type", "--delay", "20", "1\t0\t1"});
        click(2240, 2920); // CALCULATE: no real roots, so a message box
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamedBrintamo().size(), 2, 5000);
        xdotool({"key", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamedBrintamo().size(), 1, 5000);
        QTest::qWait(300);
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
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

    void altOThenXEndsTheProgram() {
        click(4000, 3000); // the message box took the keyboard focus away; take it back
        xdotool({"key", "alt+o"});
        QTest::qWait(300);
        xdotool({"key", "x"});
        QVERIFY(program_.waitForFinished(10000));
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program_.exitCode() == 0, program_.readAllStandardError().right(4000).constData());
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
