// The built program in real X windows under Xvfb, with no window manager: real keys and clicks
// through xdotool, then the pixels of screenshots.

#include "Pictures.h"
#include "XWindows.h"

#include <QApplication>
#include <QClipboard>

#include <utility>

using namespace xwindows;

namespace {

// The first window of that title, once shown and painted: until two looks at it agree.
QRect shownGeometry(const QString& title) {
    const QString window = waitForWindow(title);
    std::pair<QRect, QImage> last;
    const auto painted = [&] {
        const QRect area = xwindows::geometryOf(window);
        const QImage now = screenshot(area);
        return std::exchange(last, {area, now}) == std::pair(area, now) &&
               pictures::inkIn(now, now.rect(), now.pixel(0, 0)) > 0;
    };
    return !window.isEmpty() && QTest::qWaitFor(painted, 5000) ? last.first : QRect();
}

} // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

    QProcess program_;
    QRect main_;    // in screen pixels, as is everything xdotool gives and takes
    QPoint client_; // the main window's client area, below its menu bar
    const qreal scale_ = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();

    QPoint pixels(qreal x, qreal y) const { return (QPointF(x, y) * scale_).toPoint(); }
    QPoint at(int leftTwips, int topTwips) const {
        return client_ + pixels(leftTwips / 15.0, topTwips / 15.0);
    }

    // Alt+O, A with the main window in front; the box's geometry once it shows.
    QRect openAbout() {
        click(at(4000, 3000));
        xdotool({"key", "--delay", "300", "alt+o", "a"});
        return shownGeometry("About Brintamo");
    }

private slots:
    void initTestCase() {
        program_.start(QStringLiteral(BRINTAMO_PROGRAM), {});
        main_ = shownGeometry("Brintamo");
        client_ = main_.bottomLeft() - pixels(0, 476) + QPoint(0, 1);
    }

    // Alt+O, A: the box at its place, drawn as offscreen; asked for again from the main window,
    // the same box comes forward; Alt+S shows a message and leaves the box open; Escape closes it.
    void aboutFromTheKeyboard() {
        const QRect about = openAbout();
        click(at(5130, 7000)); // the main window's corner that the box leaves uncovered
        xdotool({"key", "--delay", "300", "alt+o", "a"});
        const QString box = windowsNamed("About Brintamo").value(0);
        QTRY_COMPARE(xdotool({"getwindowfocus"}), box);     // brought forward...
        QCOMPARE(windowsNamed("About Brintamo").size(), 1); // ...not made again
        // With no window manager the focus goes back to the window under the pointer.
        xdotool({"mousemove", QString::number(about.x() + 5), QString::number(about.y() + 5)});
        QCOMPARE(about.topLeft(), pixels(156, 129));
        // Drawn as offscreen: the program's style, fonts, colours, lines and icon.
        QVERIFY(pictures::matchesReference(screenshot(about), QStringLiteral(BRINTAMO_REFERENCES),
                                           "frmAbout"));
        xdotool({"key", "alt+s"}); // no registry here: the message, and the box stays open
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 2, 5000);
        xdotool({"key", "ctrl+c"}); // the message box copies its title, text and button
        const QString rule = QStringLiteral("---------------------------\n");
        QTRY_COMPARE(QApplication::clipboard()->text(),
                     rule + "Brintamo\n" + rule +
                         "System Information Is Unavailable At This Time\n" + rule + "OK   \n" +
                         rule);
        xdotool({"key", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 1, 5000);
        QCOMPARE(windowsNamed("About Brintamo").size(), 1);
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("About Brintamo").size(), 0, 5000);
    }

    // Alt+O, X closes only the main window: with the About box open the program goes on until OK
    // closes the box.
    void exitLeavesAboutOpen() {
        const QRect about = openAbout();
        click(at(5130, 7000));
        xdotool({"key", "--delay", "300", "alt+o", "x"});
        QTRY_COMPARE_WITH_TIMEOUT(windowsNamed("Brintamo").size(), 0, 5000);
        QVERIFY(!program_.waitForFinished(500));
        click(about.topLeft() + pixels((4245 + 630) / 15, (2400 + 170) / 15));
        QVERIFY(program_.waitForFinished(5000));
    }
};

QTEST_MAIN(RealWindowTest)
#include "RealWindowTest.moc"
