// The program's message box: its look, its answer however it is closed, and Ctrl+C.

#include "platform/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(QWidget*)>)

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void answersOkHoweverClosed_data() {
        using Closer = std::function<void(QWidget*)>;
        QTest::addColumn<Closer>("closeIt");
        QTest::newRow("OK button") << Closer([](QWidget* box) {
            QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton);
        });
        QTest::newRow("Escape") << Closer(
            [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QTest::newRow("Enter") << Closer(
            [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QTest::newRow("close button") << Closer([](QWidget* box) { box->close(); });
    }

    void answersOkHoweverClosed() {
        QFETCH(std::function<void(QWidget*)>, closeIt);
        platform::ModalMessageBox messages(QStringLiteral("Brintamo"));
        QString title;
        QString text;
        int buttonCount = 0;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            buttonCount = static_cast<int>(box->buttons().size());
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            closeIt(box);
        });
        QCOMPARE(messages.showMessage(QStringLiteral("No roots.  Really")), platform::messageBoxOk);
        QCOMPARE(title, QStringLiteral("Brintamo"));
        QCOMPARE(text, QStringLiteral("No roots.  Really"));
        QCOMPARE(buttonCount, 1);
    }

    void ctrlCCopiesTitleTextAndButton() {
        platform::CopyableMessageBox box(QStringLiteral("Brintamo"),
                                         QStringLiteral("Hello  there"));
        box.show();
        QApplication::clipboard()->clear();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("---------------------------\nBrintamo\n"
                                "---------------------------\nHello  there\n"
                                "---------------------------\nOK   \n"
                                "---------------------------\n"));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
