// The built program in real X windows under Xvfb, with no window manager: real keys and clicks
// through xdotool; the About box at its fixed place, and the program outliving its main window.

#include "XWindows.h"

#include <utility>

using namespace xwindows;

namespace {

// Something drawn: not all of one colour.
bool drawn(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0)) {
                return true;
            }
        }
    }
    return false;
}

// The first window of that title, once shown and painted: until two looks at it agree.
QRect shownGeometry(const QString& title) {
    const QString window = waitForWindow(title);
    std::pair<QRect, QImage> last;
    const auto painted = [&] {
        const QRect area = xwindows::geometryOf(window);
        const QImage now = screenshot(area);
        return std::exchange(last, {area, now}) == std::pair(area, now) && drawn(now);
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

    // Alt+O, A: the box at its fixed place on the screen.
    void aboutFromTheKeyboard() { QCOMPARE(openAbout().topLeft(), pixels(156, 129)); }

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
