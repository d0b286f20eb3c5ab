// The built program in a real X window: real key and mouse events, then pixels of a screenshot.
// Runs under Xvfb (see tests/xvfb/CMakeLists.txt); the program's path is the first argument.

#include "platform/Application.h"
#include "platform/Colours.h"
#include "platform/Twips.h"
#include "tests/support/ScreenPixels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

QString programPath;

using testpixels::darkRed;
using testpixels::inkIn;

QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QImage screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// The client area's top-left corner: the first dark-red pixel, row by row.
QPoint findClientOrigin(const QImage& screen) {
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixel(x, y) == darkRed) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

// The button face is a shaded gradient of its colour, so only its hue is compared.
bool sameHue(QRgb actual, const QColor& expected) {
    const QColor shown(actual);
    return shown.hsvSaturation() > 60 && std::abs(shown.hsvHue() - expected.hsvHue()) <= 15;
}

bool near(QRgb actual, const QColor& expected, int tolerance) {
    return std::abs(qRed(actual) - expected.red()) <= tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

} // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

private:
    QProcess program_;
    QPoint origin_;

    QPoint onScreen(int leftTwips, int topTwips) const {
        return origin_ +
               QPoint(platform::twipsToPixels(leftTwips), platform::twipsToPixels(topTwips));
    }
    void click(QPoint at) {
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

private slots:
    void initTestCase();
    void typeCalculateAndReadThePixels();
    void altOThenXEndsTheProgram();
};

void RealWindowTest::initTestCase() {
    platform::prepareApplication();
    program_.start(programPath, {});
    QVERIFY2(program_.waitForStarted(), qPrintable(program_.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(
        !xdotool({"search", "--onlyvisible", "--name", "^Brintamo$"}).isEmpty(), 15000);
    QTRY_VERIFY_WITH_TIMEOUT((origin_ = findClientOrigin(screenshot())).x() >= 0, 5000);
}

void RealWindowTest::typeCalculateAndReadThePixels() {
    click(onScreen(720 + 300, 840 + 240)); // into Text1
    xdotool({"type", "--delay", "20", "1"});
    xdotool({"key", "Tab"});
    xdotool({"type", "--delay", "20", "0"});
    xdotool({"key", "Tab"});
    xdotool({"type", "--delay", "20", "1"});
    click(onScreen(840 + 1400, 2520 + 400)); // CALCULATE: no real roots, so a message box
    QTRY_VERIFY_WITH_TIMEOUT(
        xdotool({"search", "--onlyvisible", "--name", "^Brintamo$"}).split(u'\n').size() == 2,
        5000);
    xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(
        xdotool({"search", "--onlyvisible", "--name", "^Brintamo$"}).split(u'\n').size() == 1,
        5000);
    QTest::qWait(300);
    const QImage screen = screenshot();
    if (const QString path = qEnvironmentVariable("BRINTAMO_SCREENSHOT"); !path.isEmpty()) {
        screen.copy(QRect(origin_ - QPoint(0, 24), QSize(346, 476 + 24))).save(path);
    }

    QCOMPARE(screen.pixel(onScreen(4000, 3000)), darkRed);
    const QColor boxColour = platform::systemColour(platform::SystemColour::InactiveCaptionText);
    const QRect text4(onScreen(840 + 60, 4560 + 60), QSize(65, 33));
    QVERIFY(near(screen.pixel(text4.center()), boxColour, 4));
    QCOMPARE(inkIn(screen, text4, screen.pixel(text4.center())), 0); // empty, and no printed ink
    const QColor face = platform::systemColour(platform::SystemColour::Highlight);
    QVERIFY(sameHue(screen.pixel(onScreen(840 + 150, 2520 + 150)), face));
    // The printed " 1 " sits at the client area's top-left corner, in glyph pixels only.
    const QRect firstLine(origin_, QSize(16, 13));
    QVERIFY(inkIn(screen, firstLine, darkRed) > 0);
    QCOMPARE(screen.pixel(origin_), darkRed);
}

void RealWindowTest::altOThenXEndsTheProgram() {
    click(onScreen(4000, 3000)); // the message box took the keyboard focus away; take it back
    xdotool({"key", "alt+o"});
    QTest::qWait(300);
    xdotool({"key", "x"});
    QVERIFY(program_.waitForFinished(10000));
    QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program_.exitCode() == 0, program_.readAllStandardError().right(4000).constData());
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        qCritical("usage: real_window_test PROGRAM [QTest options]");
        return 2;
    }
    programPath = arguments.at(1);
    RealWindowTest test;
    QStringList testArguments = arguments;
    testArguments.removeAt(1);
    return QTest::qExec(&test, testArguments);
}

#include "RealWindowTest.moc"
