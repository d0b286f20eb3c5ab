// The Help window and the About box as shown, their keys and texts, the worked-example picture
// and the icon files.

#include "info/Help.h"
#include "info/frmAbout.h"
#include "platform/Application.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QtEndian>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T at(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::prepareApplication(); }

    // Texts set at load (the window's picture shows the labels) and not recomputed when the
    // box is asked for again.
    void aboutTexts() {
        platform::SingleInstance<frmAbout> about;
        const std::unique_ptr<frmAbout> box(about.show());
        QCOMPARE(box->windowTitle(), QStringLiteral("About Brintamo"));
        box->control<QLabel>("lblTitle")->setText(QString());
        QVERIFY(about.show()->control<QLabel>("lblTitle")->text().isEmpty());
    }

    // OK is both the default and the cancel button; Enter on "System Info..." presses that one,
    // and so does Alt+S, which shows the message and leaves the box open. The box opens with the
    // focus on OK and cannot be resized.
    void aboutKeys() {
        const std::tuple<const char*, QKeyCombination, bool> presses[] = {
            {"cmdOK", Qt::Key_Escape, true},       {"picIcon", Qt::Key_Escape, true},
            {"cmdSysInfo", Qt::Key_Escape, true},  {"Text1", Qt::Key_Escape, true},
            {"cmdOK", Qt::Key_Return, true},       {"Text1", Qt::Key_Enter, true},
            {"cmdSysInfo", Qt::Key_Return, false}, {"cmdOK", Qt::ALT | Qt::Key_S, false}};
        for (const auto& [focus, key, closes] : presses) {
            QPointer<frmAbout> box = platform::SingleInstance<frmAbout>().show();
            QVERIFY(QTest::qWaitForWindowActive(box));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
            QCOMPARE(box->minimumSize(), box->maximumSize());
            QString message; // "System Info..." finds no registry here, so it says so
            QTimer::singleShot(400, qApp, [&] {
                if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    message = shown->windowTitle() + ": " + shown->text();
                    shown->close();
                }
            });
            box->control<QWidget>(focus)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QTRY_VERIFY2(box.isNull() == closes, focus);
            QTRY_COMPARE(message, closes
                                      ? QString()
                                      : "Brintamo: System Information Is Unavailable At This Time");
            QVERIFY2(box.isNull() == closes, focus); // still open behind the message
            delete box;
        }
    }

    // 165 x 172, 24 bits, uncompressed (its pixels are in the Help window's picture).
    void workedExamplePicture() {
        const QByteArray bmp = bytesOf(QStringLiteral(":/info/help-example.bmp"));
        // Width, height, bits per pixel, compression.
        QCOMPARE(QList<qint64>({at<qint32>(bmp, 18), at<qint32>(bmp, 22), at<quint16>(bmp, 28),
                                at<quint32>(bmp, 30)}),
                 QList<qint64>({165, 172, 24, 0}));
    }

    // Each image's width, height, colours and bits per pixel: the application's icon at 32 x 32
    // in two and in sixteen colours and at 16 x 16 in sixteen; the About box's at 32 x 32 in
    // sixteen, transparent around its picture.
    void icons() {
        const auto images = [](const QString& file) {
            const QByteArray ico = bytesOf(file);
            QList<int> found;
            for (int entry = 6; entry < 6 + 16 * at<quint16>(ico, 4); entry += 16) {
                found << quint8(ico[entry]) << quint8(ico[entry + 1]) << quint8(ico[entry + 2])
                      << at<quint16>(ico, entry + 6);
            }
            return found;
        };
        QCOMPARE(images(BRINTAMO_APP_ICON),
                 QList<int>({32, 32, 2, 1, 32, 32, 16, 4, 16, 16, 16, 4}));
        QCOMPARE(images(":/info/about.ico"), QList<int>({32, 32, 16, 4}));
        QCOMPARE(QImage(":/info/about.ico").pixelColor(0, 0).alpha(), 0); // the mask
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "InfoWindowsTest.moc"
