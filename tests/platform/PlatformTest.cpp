// The window services: numbers as the program writes them, printed lines and the message box.

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "tests/support/Pictures.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A white box straddling the left edge, which printed lines run into from the second line on.
constexpr std::array controls = {platform::ControlDescription{
    "Box", platform::ControlKind::TextBox, "", 0, 300, 1500, 600, platform::defaultFont,
    platform::Colour::fromRgb(255, 255, 255), platform::Colour::notSet(), 0}};
constexpr platform::WindowDescription probe{
    "Probe", "Probe", 3000, 3000, platform::Colour::fromRgb(192, 0, 0), controls, {}};

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::prepareApplication(); }

    void writesNumbers() {
        for (const auto& [value, locale, text] :
             {std::tuple{-0.0, "en", "0"},
              {-0.5, "de", "-0,5"},
              {1234567.25, "en", "1234567.25"},
              {999999999999999.0, "en", "999999999999999"},
              {1e15, "en", "1E+15"},
              {1234567890123456.0, "de", "1,23456789012346E+15"}}) {
            QCOMPARE(platform::formatNumber(value, QLocale(locale)), QString(text));
        }
    }

    // A line is 13 pixels (195 twips) in 8.25 pt MS Sans Serif. Lines are drawn once, behind
    // controls, and what falls below the window's bottom edge is not seen even when it grows.
    void printedLines() {
        platform::Form form(probe);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto surface = [&] { return pictures::shown(form, form.surface()->geometry()); };
        const QRect box = form.control<QLineEdit>("Box")->geometry();
        const QImage boxBefore = surface().copy(box);
        for (int line = 0; line < 20; ++line) {
            form.printLine(QStringLiteral("88888888"));
        }
        QCOMPARE(form.textCursor(), QPoint(0, 20 * 195));
        QCOMPARE(surface().copy(box), boxBefore);
        QVERIFY(pictures::inkIn(surface(), QRect(0, 0, 60, 13)) > 0);
        form.resize(400, 400);
        QCOMPARE(pictures::inkIn(surface(), QRect(0, 200, 60, 200)), 0);
        form.surface()->repaint(); // as after restoring from the minimised state
        QCOMPARE(pictures::inkIn(surface(), QRect(0, 0, 60, 13)), 0);
    }

    void messageBoxAnswersOkHoweverClosed_data() {
        QTest::addColumn<int>("key"); // 0: the close button, 1: a click on OK
        QTest::newRow("OK clicked") << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("close button") << 0;
    }
    void messageBoxAnswersOkHoweverClosed() {
        QFETCH(int, key);
        QStringList seen;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen << box->windowTitle() << box->text() << QString::number(box->buttons().size())
                 << QString::number(box->icon()) << QString::number(box->windowModality());
            if (key <= 1) {
                key == 0 ? void(box->close())
                         : QTest::mouseClick(box->buttons()[0], Qt::LeftButton);
            } else {
                QTest::keyClick(box, Qt::Key(key));
            }
        });
        platform::ModalMessageBox messages(QStringLiteral("Brintamo"));
        QCOMPARE(messages.showMessage(QStringLiteral("No roots.  Really")), 1);
        QCOMPARE(seen, QStringList({"Brintamo", "No roots.  Really", "1",
                                    QString::number(QMessageBox::NoIcon),
                                    QString::number(Qt::ApplicationModal)}));
    }

    void messageBoxCopiesWithCtrlC() {
        platform::CopyableMessageBox box(QStringLiteral("Brintamo"), QStringLiteral("Hi  there"));
        box.show();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        const QString rule = QStringLiteral("---------------------------\n");
        QCOMPARE(QApplication::clipboard()->text(),
                 rule + "Brintamo\n" + rule + "Hi  there\n" + rule + "OK   \n" + rule);
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
