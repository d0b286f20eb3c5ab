// The main window driven as a user would: typing, clicking, keys and menus, offscreen.

#include "app/Brintamo.h"
#include "RecordingMessages.h"
#include "platform/Application.h"
#include "solver/OutcomeMessage.h"
#include "tests/support/ScreenPixels.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QString message(SolveKind kind) {
    return *messageFor(kind);
}

} // namespace

class BrintamoTest : public QObject {
    Q_OBJECT

private:
    QLineEdit* box(const char* name) const { return window_->control<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return window_->control<QPushButton>(name); }
    void type(const char* name, const QString& text) {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }

    RecordingMessages messages_;
    QPointer<Brintamo> window_;

private slots:
    void initTestCase() { platform::prepareApplication(); }
    void init();
    void cleanup() { delete window_; }

    void calculate_data();
    void calculate();
    void boxesKeepTextOfAnyLength();
    void threeMessagesPrintThreeLinesDownTheLeftEdge();
    void clearEmptiesEveryBoxAndNothingElse();
    void helpIsChosenAtOnce();
    void tabRunsThroughBoxesThenButtons();
    void enterAndEscapeDoNothing();
    void altOThenXClosesOnlyTheMainWindow();
    void resizingMovesNoControl();
};

void BrintamoTest::init() {
    messages_.shown.clear();
    window_ = new Brintamo(messages_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void BrintamoTest::calculate_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("root1");
    QTest::addColumn<QString>("root2");
    QTest::addColumn<QStringList>("reported");
    const QString old = QStringLiteral("old");
    QTest::newRow("two roots replace what was there") << "1"
                                                      << "-3"
                                                      << "2"
                                                      << "2"
                                                      << "1" << QStringList();
    QTest::newRow("negative a puts the smaller root first") << "-1"
                                                            << "0"
                                                            << "4"
                                                            << "-2"
                                                            << "2" << QStringList();
    QTest::newRow("no roots keeps both boxes")
        << "1"
        << "0"
        << "1" << old << old << QStringList{message(SolveKind::NoRealRoots)};
    QTest::newRow("an empty box keeps both boxes")
        << ""
        << "x"
        << "1" << old << old << QStringList{message(SolveKind::MissingInput)};
    QTest::newRow("a = 0 fails without roots")
        << "0"
        << "2"
        << "1" << old << old << QStringList{message(SolveKind::Failed)};
    QTest::newRow("failing second root keeps the old second box")
        << "1e-307"
        << "1"
        << "0"
        << "0" << old << QStringList{message(SolveKind::Failed)};
}

void BrintamoTest::calculate() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, root1);
    QFETCH(QString, root2);
    QFETCH(QStringList, reported);
    box("Text4")->setText(QStringLiteral("old"));
    box("Text5")->setText(QStringLiteral("old"));
    type("Text1", a);
    type("Text2", b);
    type("Text3", c);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(box("Text4")->text(), root1);
    QCOMPARE(box("Text5")->text(), root2);
    QCOMPARE(messages_.shown, reported);
    // One printed line per reported message; the cursor advances by the line height.
    const int lineHeight = QFontMetrics(window_->surface()->font()).height() * 15;
    QCOMPARE(window_->textCursor(), QPoint(0, static_cast<int>(reported.size()) * lineHeight));
}

// Cut at Qt's usual 32767 characters, the coefficient below would read as 0.
void BrintamoTest::boxesKeepTextOfAnyLength() {
    box("Text1")->setText(QString(40000, u'0') + u'4');
    box("Text2")->setText(QStringLiteral("0"));
    box("Text3")->setText(QStringLiteral("-1"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(box("Text4")->text(), QStringLiteral("0.5"));
    QVERIFY(messages_.shown.isEmpty());
}

void BrintamoTest::threeMessagesPrintThreeLinesDownTheLeftEdge() {
    for (int press = 0; press < 3; ++press) {
        QTest::mouseClick(button("Command1"), Qt::LeftButton); // all boxes empty
    }
    QCOMPARE(messages_.shown.size(), 3);
    const int lineHeight = QFontMetrics(window_->surface()->font()).height();
    const QImage shown = testpixels::shownSurface(*window_);
    for (int line = 0; line < 4; ++line) {
        const int ink = testpixels::inkIn(shown, QRect(0, line * lineHeight, 16, lineHeight));
        QVERIFY2(line < 3 ? ink > 0 : ink == 0, qPrintable(QString::number(line)));
    }
}

void BrintamoTest::clearEmptiesEveryBoxAndNothingElse() {
    type("Text1", QStringLiteral("1"));
    type("Text2", QStringLiteral("0"));
    type("Text3", QStringLiteral("1"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton); // prints one line
    box("Text4")->setText(QStringLiteral("4"));
    box("Text5")->setText(QStringLiteral("5"));
    const QPoint cursor = window_->textCursor();
    box("Text2")->setFocus();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        QVERIFY2(box(name)->text().isEmpty(), name);
    }
    QCOMPARE(window_->textCursor(), cursor);
    // A second CLEAR on empty boxes changes nothing either.
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(window_->textCursor(), cursor);
    QCOMPARE(messages_.shown.size(), 1);
}

void BrintamoTest::helpIsChosenAtOnce() {
    QAction* help = window_->menuItem("mnuhelp");
    QSignalSpy chosen(help, &QAction::triggered);
    QMenuBar* bar = window_->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    QCOMPARE(chosen.count(), 1);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void BrintamoTest::tabRunsThroughBoxesThenButtons() {
    QCOMPARE(QApplication::focusWidget(), box("Text1"));
    const QStringList expected{"Text2", "Text3", "Text4", "Text5", "Command1", "Command2", "Text1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void BrintamoTest::enterAndEscapeDoNothing() {
    type("Text1", QStringLiteral("1"));
    type("Text2", QStringLiteral("-3"));
    type("Text3", QStringLiteral("2"));
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(box("Text3"), key);
    }
    QVERIFY(box("Text4")->text().isEmpty());
    QVERIFY(messages_.shown.isEmpty());
    QVERIFY(window_->isVisible());
}

// The whole sequence runs inside the event loop, so that the program really could end early.
void BrintamoTest::altOThenXClosesOnlyTheMainWindow() {
    auto other = std::make_unique<QWidget>();
    other->show();
    bool runningAfterExit = false;
    QTimer::singleShot(0, window_, [this] {
        QTest::keyClick(window_, Qt::Key_O, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->objectName(), QStringLiteral("mnuOptions"));
        QTest::keyClick(menu, Qt::Key_X);
    });
    QTimer::singleShot(100, other.get(), [&] {
        runningAfterExit = window_.isNull() && other->isVisible();
        other->close();
    });
    QTimer::singleShot(5000, qApp, [] { QApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0); // ended by its last window closing, not by the time limit
    QVERIFY(runningAfterExit);
}

void BrintamoTest::resizingMovesNoControl() {
    QList<QRect> before;
    const auto controls = window_->surface()->findChildren<QWidget*>();
    for (const QWidget* widget : controls) {
        before.append(widget->geometry());
    }
    for (const QSize size : {QSize(800, 900), QSize(120, 100)}) {
        window_->resize(size);
        QTest::qWait(20);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QCOMPARE(controls[i]->geometry(), before[i]);
        }
    }
}

QTEST_MAIN(BrintamoTest)
#include "BrintamoTest.moc"
