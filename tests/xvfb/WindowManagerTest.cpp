// The built program under a window manager (Openbox), as most users run it: windows brought back
// from the minimised state, and the focus returned after a message.

#include "XWindows.h"

using namespace xwindows;

class WindowManagerTest : public QObject {
    Q_OBJECT

    QProcess program_;
    QString main_;

    void choose(const QStringList& keys) {
        xdotool({"windowactivate", "--sync", main_});
        xdotool(QStringList{"key", "--delay", "200"} + keys);
    }

private slots:
    void init() {
        program_.start(QStringLiteral(BRINTAMO_PROGRAM), {});
        main_ = waitForWindow("Brintamo");
        QVERIFY(!main_.isEmpty());
    }
    void cleanup() {
        program_.kill();
        program_.waitForFinished();
    }

    // Chosen again while minimised, Help or About is restored and takes the focus.
    void minimisedWindowComesBack_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("title");
        QTest::newRow("Help") << QStringList{"alt+o", "Escape", "Right", "Return"} << "Help";
        QTest::newRow("About") << QStringList{"alt+o", "a"} << "About Brintamo";
    }
    void minimisedWindowComesBack() {
        QFETCH(QStringList, keys);
        QFETCH(QString, title);
        choose(keys);
        const QString window = waitForWindow(title);
        QVERIFY(!window.isEmpty());
        xdotool({"windowminimize", "--sync", window});
        QTRY_COMPARE(stateOf(window), QStringLiteral("Iconic"));
        choose(keys);
        QTRY_COMPARE(stateOf(window), QStringLiteral("Normal"));
        QTRY_COMPARE(activeWindow(), window);
        QCOMPARE(windowsNamed(title).size(), 1);
    }

    // After System Info's message, the About box is active again: Escape closes it.
    void aboutActiveAfterMessage() {
        choose({"alt+o", "a"});
        const QString about = waitForWindow("About Brintamo");
        QTRY_COMPARE(activeWindow(), about);
        xdotool({"key", "alt+s"}); // no registry here: the message
        QTRY_COMPARE(windowsNamed("Brintamo").size(), 2);
        xdotool({"key", "Return"});
        QTRY_COMPARE(windowsNamed("Brintamo").size(), 1);
        QTRY_COMPARE(activeWindow(), about);
        xdotool({"key", "Escape"});
        QTRY_COMPARE(windowsNamed("About Brintamo").size(), 0);
    }
};

QTEST_GUILESS_MAIN(WindowManagerTest)
#include "WindowManagerTest.moc"
