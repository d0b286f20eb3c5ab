// Windows built from description tables: placement, printed output, single instances.

#include "platform/Form.h"
#include "platform/Application.h"
#include "platform/SingleInstance.h"
#include "platform/Twips.h"
#include "tests/support/ScreenPixels.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <array>

using testpixels::inkIn;
using testpixels::shownSurface;

namespace {

using platform::Colour;
using platform::ControlKind;

constexpr Colour red = Colour::fromRgb(192, 0, 0);
constexpr Colour white = Colour::fromRgb(255, 255, 255);

// A box straddling the left edge, where printed lines run into it from the second line on.
constexpr std::array controls = {
    platform::ControlDescription{"Box", ControlKind::TextBox, "", 0, 300, 1500, 600,
                                 platform::defaultFont, white, Colour::notSet(), 0},
};
constexpr platform::WindowDescription description{"Probe", "Probe", 3000, 3000, red, controls, {}};

} // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        platform::prepareApplication();
        QApplication::setCursorFlashTime(0); // a steady text cursor keeps screenshots comparable
    }
    void clientAreaAndControlsFollowTheirTwips();
    void printedLinesStackAndAreDrawnOnlyOnce();
    void printedLinesStayBehindControls();
    void singleInstanceWindows();
};

void FormTest::clientAreaAndControlsFollowTheirTwips() {
    platform::Form form(description);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.surface()->size(), QSize(200, 200));
    QCOMPARE(form.control<QLineEdit>("Box")->geometry(), QRect(0, 20, 100, 40));
    QCOMPARE(form.objectName(), QStringLiteral("Probe"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Probe"));
}

void FormTest::printedLinesStackAndAreDrawnOnlyOnce() {
    platform::Form form(description);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int lineHeight = QFontMetrics(form.surface()->font()).height();
    const QRect firstLine(0, 0, 20, lineHeight);
    QCOMPARE(inkIn(shownSurface(form), firstLine), 0);

    form.printLine(QStringLiteral(" 1 "));
    QVERIFY(inkIn(shownSurface(form), firstLine) > 0);
    QCOMPARE(form.textCursor(), QPoint(0, lineHeight * platform::twipsPerPixel));

    // A repaint, as after restoring from the minimised state, erases it for good...
    form.surface()->repaint();
    QCOMPARE(inkIn(shownSurface(form), firstLine), 0);
    // ...and the next line still goes below it, not back to the top.
    form.printLine(QStringLiteral(" 1 "));
    const QImage after = shownSurface(form);
    QCOMPARE(inkIn(after, firstLine), 0);
    QVERIFY(inkIn(after, firstLine.translated(0, lineHeight)) > 0);
    QCOMPARE(form.textCursor(), QPoint(0, 2 * lineHeight * platform::twipsPerPixel));
}

void FormTest::printedLinesStayBehindControls() {
    platform::Form form(description);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect boxArea = form.control<QLineEdit>("Box")->geometry();
    const QImage before = shownSurface(form).copy(boxArea);
    while (platform::twipsToPixels(form.textCursor().y()) < boxArea.bottom()) {
        form.printLine(QStringLiteral("88888888"));
    }
    QCOMPARE(shownSurface(form).copy(boxArea), before);
}

void FormTest::singleInstanceWindows() {
    platform::SingleInstance<QWidget> secondary;
    QPointer<QWidget> first = secondary.show();
    QCOMPARE(secondary.show(), first.data()); // asked again: the same window
    QVERIFY(first->isVisible());
    QVERIFY(first->parent() == nullptr); // no owner

    first->close();
    QTRY_VERIFY(first.isNull()); // discarded on close
    QPointer<QWidget> second = secondary.show();
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    second->close();
}

QTEST_MAIN(FormTest)
#include "FormTest.moc"
