// The window services: numbers as the program writes them, printed lines and the message box.

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "tests/support/Pictures.h"

#include <QAccessible>
#include <QApplication>
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
              {1e15, "en", "1E+15"},
              {1234567890123456.0, "de", "1,23456789012346E+15"}}) {
            QCOMPARE(platform::formatNumber(value, QLocale(locale)), QString(text));
        }
    }

    // Lines are drawn once, behind controls, and what falls below the window's bottom edge is not
    // seen even when the window grows.
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
        QCOMPARE(surface().copy(box), boxBefore);
        QVERIFY(pictures::inkIn(surface(), QRect(0, 0, 60, 13)) > 0);
        form.resize(400, 400);
        QCOMPARE(pictures::inkIn(surface(), QRect(0, 200, 60, 200)), 0);
        form.surface()->repaint(); // as after restoring from the minimised state
        QCOMPARE(pictures::inkIn(surface(), QRect(0, 0, 60, 13)), 0);
    }

    // Title, text, one OK button, no icon, modal to the program; 1 however it is closed: by a
    // click on OK, Escape, Enter or the close button.
    void messageBox() {
        for (const int how : {0, int(Qt::Key_Escape), int(Qt::Key_Return), 1}) {
            QStringList seen;
            QTimer::singleShot(0, qApp, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                // The text at the margin, one plain OK button: no icon anywhere.
                seen << QString::number(
                    QTest::qWaitForWindowExposed(box) &&
                    pictures::matchesReference(pictures::shown(*box, box->rect()),
                                               BRINTAMO_REFERENCES, "message-box"));
                seen << box->windowTitle() << box->text()
                     << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description)
                     << QString::number(box->buttons().size()) << QString::number(box->icon())
                     << QString::number(box->windowModality());
                how == 0   ? QTest::mouseClick(box->buttons()[0], Qt::LeftButton)
                : how == 1 ? void(box->close())
                           : QTest::keyClick(box, Qt::Key(how));
            });
            QCOMPARE(platform::ModalMessageBox(QStringLiteral("Brintamo"))
                         .showMessage(QStringLiteral("No roots.  Really")),
                     1);
            QCOMPARE(seen, QStringList({"1", "Brintamo", "No roots.  Really", "No roots.  Really",
                                        "1", QString::number(QMessageBox::NoIcon),
                                        QString::number(Qt::ApplicationModal)}));
        }
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
