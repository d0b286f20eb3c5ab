// The main window driven as a user would, offscreen: typing, clicking, keys and menus, and what
// it then looks like against reference pictures.

#include "app/Brintamo.h"
#include "platform/Application.h"
#include "tests/support/Pictures.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>

// Answers the message boxes, remembering what each one said.
struct RecordingMessages final : platform::MessageService {
    int showMessage(const QString& text) override {
        shown.append(text);
        return platform::messageBoxOk;
    }
    QStringList shown;
};

class BrintamoTest : public QObject {
    Q_OBJECT

    RecordingMessages messages_;
    QPointer<Brintamo> window_;

    QLineEdit* box(const char* name) const { return window_->control<QLineEdit>(name); }
    void click(const char* button) {
        QTest::mouseClick(window_->control<QPushButton>(button), Qt::LeftButton);
    }
    void calculate(const QString& a, const QString& b, const QString& c) {
        for (const auto& [name, text] : {std::pair{"Text1", a}, {"Text2", b}, {"Text3", c}}) {
            box(name)->clear();
            QTest::keyClicks(box(name), text);
        }
        click("Command1");
    }

private slots:
    void initTestCase() {
        platform::prepareApplication();
        QApplication::setCursorFlashTime(0); // a steady text cursor keeps pictures comparable
    }
    void init() {
        messages_.shown.clear();
        window_ = new Brintamo(messages_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup() { delete window_; }

    // One session: a line printed per message and erased by a repaint; CLEAR keeps the cursor;
    // a 40000-character coefficient counts (Qt cuts at 32767); a pasted text keeps its first
    // line; Enter and Escape in a box do nothing; a late failure writes the first root and keeps
    // the old second one. Then CLEAR empties the boxes and leaves the focus where it was.
    void aSession() {
        calculate("1", "0", "1");
        QCoreApplication::processEvents(); // the line is drawn...
        window_->surface()->repaint();     // ...and a repaint erases it
        click("Command2");
        click("Command1"); // all boxes empty
        QApplication::clipboard()->setText(QStringLiteral("0.5\r\n4"));
        box("Text1")->setText(QString(40000, u'0'));
        QTest::keyClick(box("Text1"), Qt::Key_V, Qt::ControlModifier);
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(box("Text1"), key);
        }
        QTest::keyClicks(box("Text2"), QStringLiteral("-1.5"));
        QTest::keyClicks(box("Text3"), QStringLiteral("0"));
        click("Command1"); // 3 and 0
        calculate("1e-307", "1", "0");
        QCOMPARE(messages_.shown,
                 QStringList({"There are no roots.  The Curve does not go below the x-Axis",
                              "Please enter a number into all of the boxes.",
                              "Please do not mess around with this program.  If you are not going "
                              "to use it responsibly, you should not use it at all."}));
        QVERIFY(pictures::matchesReference(pictures::shown(*window_, window_->rect()),
                                           QStringLiteral(BRINTAMO_REFERENCES), "brintamo"));
        box("Text2")->setFocus();
        window_->Command2_Click();
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
            QVERIFY2(box(name)->text().isEmpty(), name);
        }
        QCOMPARE(QApplication::focusWidget(), box("Text2"));
    }

    void secondaryWindows_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("Help") << QStringLiteral("mnuhelp") << QStringLiteral("Help");
        QTest::newRow("About") << QStringLiteral("mnuAbout") << QStringLiteral("frmAbout");
    }
    // One at a time, fresh after a close, and no owner: Alt+O, X closes the main window only,
    // and the program ends when the secondary window closes too. Inside the event loop, so that
    // the program really could end too early.
    void secondaryWindows() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        const auto choose = [&] {
            window_->menuItem(qPrintable(item))->trigger();
            QWidgetList shown = QApplication::topLevelWidgets();
            shown.removeIf(
                [&](QWidget* top) { return !top->isVisible() || top->objectName() != window; });
            return QPointer(shown.size() == 1 ? shown[0] : nullptr);
        };
        QPointer<QWidget> first = choose();
        QVERIFY(first != nullptr && first->parent() == nullptr);
        QCOMPARE(choose(), first);
        QTRY_COMPARE(QApplication::activeWindow(), first.data());
        first->close();
        QTRY_VERIFY(first.isNull());
        QPointer<QWidget> second = choose();
        QVERIFY(second != nullptr);
        bool secondOpenAfterExit = false;
        QTimer::singleShot(0, window_, [this] {
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_));
            QTest::keyClick(window_, Qt::Key_O, Qt::AltModifier);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
        });
        QTimer::singleShot(100, second, [&] {
            secondOpenAfterExit = window_.isNull() && second->isVisible();
            second->close();
        });
        QTimer::singleShot(5000, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0); // ended by its last window closing
        QVERIFY(secondOpenAfterExit);
    }
};

QTEST_MAIN(BrintamoTest)
#include "BrintamoTest.moc"
