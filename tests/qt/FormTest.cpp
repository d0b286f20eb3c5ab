// The Qt front end's window services: printed lines and the message box. (The
// lines of a window's surface are pinned by the reference pictures.)

#include "Form.h"
#include "Application.h"
#include "MessageBox.h"
#include "OutcomeMessages.h"
#include "Pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A white box straddling the left edge, which printed lines run into from the second line on.
constexpr std::array controls = {
    forms::ControlRow{"Box", forms::ControlKind::TextBox, "", 0, 300, 1500, 600, forms::defaultFont,
                      forms::Colour::fromRgb(255, 255, 255), forms::notSet, 0}};
constexpr forms::WindowTable probe{"Probe",  "Probe", 3000, 3000, forms::Colour::fromRgb(192, 0, 0),
                                   controls, {}};

} // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qtui::prepareApplication(); }

    // Lines are drawn once, behind controls, and what falls below the window's bottom edge is not
    // seen even when the window grows.
    void printedLines() {
        qtui::Form form(probe);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto surface = [&] { return pictures::shown(form, form.surface()->geometry()); };
        const QRect box = form.control<QLineEdit>("Box")->geometry();
        const QImage boxBefore = surface().copy(box);
        for (int line = 0; line < 20; ++line) {
            form.printLine("88888888");
        }
        QCOMPARE(surface().copy(box), boxBefore);
        QVERIFY(pictures::inkIn(surface(), QRect(0, 0, 60, 13)) > 0);
        form.resize(400, 400);
        QCOMPARE(pictures::inkIn(surface(), QRect(0, 200, 60, 200)), 0);
        form.surface()->repaint(); // as after restoring from the minimised state
        QCOMPARE(pictures::inkIn(surface(), QRect(0, 0, 60, 13)), 0);
    }

    // Title, text from the left margin, one OK button, modal to the program, Ctrl+C copying it all;
    // 1 however it is closed. Each of the program's messages looks as its reference picture.
    void messageBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>(
            "closing"); // a key, or 0 for a click on OK and 1 for the close button
        QTest::addColumn<QString>("reference");
        QTest::newRow("no roots, a click on OK")
            << QString::fromStdString(*forms::messageFor(SolveKind::NoRealRoots)) << 0
            << "message-no-roots";
        QTest::newRow("missing input, Escape")
            << QString::fromStdString(*forms::messageFor(SolveKind::MissingInput))
            << int(Qt::Key_Escape) << "message-missing";
        QTest::newRow("the long one wraps from the left margin, Enter")
            << QString::fromStdString(*forms::messageFor(SolveKind::Failed)) << int(Qt::Key_Return)
            << "message-failed";
        QTest::newRow("the close button") << QStringLiteral("Closed") << 1 << QString();
    }
    void messageBox() {
        QFETCH(QString, text);
        QFETCH(int, closing);
        QFETCH(QString, reference);
        QStringList seen;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<qtui::MessageDialog*>(QApplication::activeModalWidget());
            seen << QString::number(QTest::qWaitForWindowExposed(box) &&
                                    (reference.isEmpty() ||
                                     pictures::matchesReference(pictures::shown(*box, box->rect()),
                                                                BRINTAMO_REFERENCES, reference)));
            seen << box->windowTitle() << box->text()
                 << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description)
                 << QString::number(box->findChildren<QPushButton*>().size())
                 << QString::number(box->windowModality());
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier); // copies title, text and button
            seen << QApplication::clipboard()->text();
            closing == 0   ? QTest::mouseClick(box->okButton(), Qt::LeftButton)
            : closing == 1 ? void(box->close())
                           : QTest::keyClick(box, Qt::Key(closing));
        });
        QCOMPARE(qtui::ModalMessageBox(QStringLiteral("Brintamo")).showMessage(text.toStdString()),
                 1);
        const QString rule = QStringLiteral("---------------------------\n");
        QCOMPARE(seen, QStringList(
                           {"1", "Brintamo", text, text, "1", QString::number(Qt::ApplicationModal),
                            rule + "Brintamo\n" + rule + text + '\n' + rule + "OK   \n" + rule}));
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
