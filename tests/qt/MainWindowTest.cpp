// The main window driven as a user would, offscreen: typing, clicking, keys and menus, and what
// it then looks like against reference pictures; the About box's keys.

#include "MainWindow.h"
#include "AboutBox.h"
#include "Application.h"
#include "Pictures.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

// Answers the message boxes, remembering what each one said.
struct RecordingMessages final : forms::MessageService {
    int showMessage(const std::string& text) override {
        shown.append(QString::fromStdString(text));
        return forms::messageBoxOk;
    }
    QStringList shown;
};

class MainWindowTest : public QObject {
    Q_OBJECT

    RecordingMessages messages_;
    QPointer<qtui::MainWindow> window_;

    QLineEdit* box(const char* name) const { return window_->control<QLineEdit>(name); }
    void click(const char* button) {
        QTest::mouseClick(window_->control<QPushButton>(button), Qt::LeftButton);
    }
    // The five boxes' texts, a|b|c|first root|second root; a long one by its length.
    QString boxes() const {
        QStringList texts;
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
            const QString text = box(name)->text();
            texts << (text.size() > 20 ? QStringLiteral("<%1>").arg(text.size()) : text);
        }
        return texts.join(u'|');
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
        qtui::prepareApplication();
        QApplication::setCursorFlashTime(0); // a steady text cursor keeps pictures comparable
    }
    void init() {
        messages_.shown.clear();
        window_ = new qtui::MainWindow(messages_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup() { delete window_; }

    // One session: a line printed per message and erased by a repaint; a box takes any length
    // and a coefficient that long counts; a pasted text keeps its first line; Enter and Escape
    // in a box do nothing; a button held down looks pressed. Then CLEAR empties the boxes and
    // leaves the focus and the printed lines where they were.
    void aSession() {
        calculate("1", "0", "1");
        QCoreApplication::processEvents(); // the line is drawn...
        window_->surface()->repaint();     // ...and a repaint erases it
        click("Command2");
        click("Command1"); // all boxes empty
        QApplication::clipboard()->setText(QStringLiteral("0.5\r\n4"));
        box("Text1")->setText(QString(40000, u'0'));
        QTest::keyClick(box("Text1"), Qt::Key_End);
        QTest::keyClick(box("Text1"), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(box("Text1")->text().endsWith(QStringLiteral("00.5")));
        QApplication::clipboard()->setText(QStringLiteral("\n7")); // an empty first line
        QTest::keyClick(box("Text3"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box("Text3")->text(), QString());
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(box("Text1"), key);
        }
        QCOMPARE(messages_.shown.size(), 2);
        QTest::keyClicks(box("Text2"), QStringLiteral("-1.5"));
        QTest::keyClicks(box("Text3"), QStringLiteral("0"));
        click("Command1"); // 3 and 0
        QCOMPARE(boxes(), QStringLiteral("<40003>|-1.5|0|3|0"));
        calculate("1e-307", "1", "0"); // the first root, then a failure
        QCOMPARE(messages_.shown.size(), 3);
        window_->control<QPushButton>("Command2")->setDown(true); // looks pressed
        QVERIFY(pictures::matchesReference(pictures::shown(*window_, window_->rect()),
                                           QStringLiteral(BRINTAMO_REFERENCES), "brintamo"));
        const auto printedLines = [this] {
            return pictures::shown(*window_, window_->surface()->geometry()).copy(0, 0, 24, 26);
        };
        const QImage printed = printedLines();
        box("Text2")->setFocus();
        window_->handlers().clear(); // without a click, which would move the focus itself
        QCOMPARE(boxes(), QStringLiteral("||||"));
        QCOMPARE(QApplication::focusWidget(), box("Text2"));
        QCOMPARE(printedLines(), printed);
    }

    // A thousand rounds: Help and About each chosen twice (one window each) and closed (which
    // unloads it), and CALCULATE with its message answered. Then as many top-level widgets as
    // after the first rounds. (What memory does meanwhile, window_open_benchmark prints.)
    void endurance() {
        int unloaded = 0;
        const auto round = [&] {
            for (const auto& [item, name] :
                 {std::pair{"mnuAbout", "frmAbout"}, {"mnuhelp", "Help"}}) {
                window_->menuItem(item)->trigger();
                window_->menuItem(item)->trigger();
                for (QPointer<QWidget> top : QApplication::topLevelWidgets()) {
                    if (top->objectName() == name && top->isVisible() && top->close()) {
                        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                        unloaded += top.isNull() ? 1 : 0;
                    }
                }
            }
            click("Command1"); // no real roots: a message, answered
            QCoreApplication::processEvents();
            messages_.shown.clear();
        };
        calculate("1", "0", "1");
        for (int i = 0; i < 20; ++i) {
            round(); // caches fill
        }
        const auto widgets = QApplication::topLevelWidgets().size();
        for (int i = 0; i < 1000; ++i) {
            round();
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), widgets);
        QCOMPARE(unloaded, 2 * 1020);
    }

    // OK is both the default and the cancel button; Enter on "System Info..." presses that one,
    // and so does Alt+S, which shows the message and leaves the box open. The box cannot be
    // resized.
    void aboutKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Escape on OK") << "cmdOK" << QKeyCombination(Qt::Key_Escape) << true;
        QTest::newRow("Escape on the icon") << "picIcon" << QKeyCombination(Qt::Key_Escape) << true;
        QTest::newRow("Escape on System Info")
            << "cmdSysInfo" << QKeyCombination(Qt::Key_Escape) << true;
        QTest::newRow("Escape in the address")
            << "Text1" << QKeyCombination(Qt::Key_Escape) << true;
        QTest::newRow("Enter on OK") << "cmdOK" << QKeyCombination(Qt::Key_Return) << true;
        QTest::newRow("Enter in the address") << "Text1" << QKeyCombination(Qt::Key_Enter) << true;
        QTest::newRow("Enter on System Info")
            << "cmdSysInfo" << QKeyCombination(Qt::Key_Return) << false;
        QTest::newRow("Alt+S") << "cmdOK" << (Qt::ALT | Qt::Key_S) << false;
    }
    void aboutKeys() {
        QFETCH(QString, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(bool, closes);
        QPointer<QWidget> box =
            qtui::SingleInstance([this] { return new qtui::AboutBox(messages_); }).show();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        box->findChild<QWidget*>(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QTRY_COMPARE(box.isNull(), closes);
        // "System Info..." finds no registry here, so it says so, and the box stays open.
        QTRY_COMPARE(messages_.shown,
                     closes ? QStringList()
                            : QStringList{"System Information Is Unavailable At This Time"});
        delete box;
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
