// The Help window and the About box as shown, their keys and texts, the worked-example picture
// and the icon files.

#include "info/Help.h"
#include "info/frmAbout.h"
#include "platform/Application.h"
#include "platform/SingleInstance.h"
#include "tests/support/Pictures.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
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

    // OK is both the default and the cancel button; Enter on "System Info..." presses that one.
    void aboutKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("closes");
        for (const char* focus : {"cmdOK", "picIcon", "cmdSysInfo", "Text1"}) {
            QTest::addRow("Escape on %s", focus)
                << focus << QKeyCombination(Qt::Key_Escape) << true;
        }
        QTest::newRow("Enter on OK") << "cmdOK" << QKeyCombination(Qt::Key_Return) << true;
        QTest::newRow("Enter on the address") << "Text1" << QKeyCombination(Qt::Key_Enter) << true;
        QTest::newRow("Enter on System Info")
            << "cmdSysInfo" << QKeyCombination(Qt::Key_Return) << false;
        QTest::newRow("Alt+S") << "cmdOK" << (Qt::ALT | Qt::Key_S) << false;
    }
    void aboutKeys() {
        QFETCH(QString, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(bool, closes);
        platform::SingleInstance<frmAbout> about;
        QPointer<frmAbout> box = about.show();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QSignalSpy sysInfo(box->control<QPushButton>("cmdSysInfo"), &QPushButton::clicked);
        box->control<QWidget>(qPrintable(focus))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QTRY_COMPARE(box.isNull(), closes);
        QTRY_COMPARE(sysInfo.count(), closes ? 0 : 1); // an access key clicks a moment later
        delete box;
    }

    // 165 x 172, 24 bits, uncompressed; black ink on white in nine bands of rows, inside
    // columns 5 to 157 and rows 5 to 159.
    void workedExamplePicture() {
        const QByteArray bmp = bytesOf(QStringLiteral(":/info/help-example.bmp"));
        // Width, height, bits per pixel, compression.
        QCOMPARE(QList<qint64>({at<qint32>(bmp, 18), at<qint32>(bmp, 22), at<quint16>(bmp, 28),
                                at<quint32>(bmp, 30)}),
                 QList<qint64>({165, 172, 24, 0}));
        const QImage picture = QImage::fromData(bmp);
        QRect ink;
        int bands = 0;
        for (int y = 0, inkedAbove = 0; y < picture.height(); ++y) {
            const int inked = pictures::inkIn(picture, QRect(0, y, 165, 1), qRgb(255, 255, 255));
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                QVERIFY2(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255), "a third colour");
                ink |= pixel == qRgb(0, 0, 0) ? QRect(x, y, 1, 1) : QRect();
            }
            bands += inked > 0 && inkedAbove == 0 ? 1 : 0;
            inkedAbove = inked;
        }
        QCOMPARE(bands, 9);
        QVERIFY(QRect(5, 5, 153, 155).contains(ink));
    }

    // The application's: two 32 x 32 images, in two and in sixteen colours, and a 16 x 16 one in
    // sixteen. The About box's: one 32 x 32 in sixteen colours, transparent around the picture.
    void icons_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("images");
        QTest::newRow("application")
            << BRINTAMO_APP_ICON
            << QStringList({"32x32 2 colours 1 bits", "32x32 16 colours 4 bits",
                            "16x16 16 colours 4 bits"});
        QTest::newRow("About") << ":/info/about.ico" << QStringList({"32x32 16 colours 4 bits"});
    }
    void icons() {
        QFETCH(QString, file);
        QFETCH(QStringList, images);
        const QByteArray ico = bytesOf(file);
        QCOMPARE(at<quint16>(ico, 2), 1); // an icon
        QCOMPARE(at<quint16>(ico, 4), images.size());
        QVERIFY(QImage::fromData(ico).pixelColor(0, 0).alpha() == 0); // the mask
        QStringList found;
        for (int entry = 6; entry < 6 + 16 * int(images.size()); entry += 16) {
            found << QStringLiteral("%1x%2 %3 colours %4 bits")
                         .arg(quint8(ico[entry]))
                         .arg(quint8(ico[entry + 1]))
                         .arg(quint8(ico[entry + 2]))
                         .arg(at<quint16>(ico, entry + 6));
        }
        QCOMPARE(found, images);
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "InfoWindowsTest.moc"
