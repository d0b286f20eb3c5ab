// The Help window as shown, its worked-example picture and the application icon files.

#include "info/Help.h"
#include "platform/Application.h"
#include "tests/support/Pictures.h"

#include <QApplication>
#include <QFile>
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

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::prepareApplication(); }

    // The picture is the only control that takes the focus, and Tab leaves it there.
    void looksAsRecordedWithThePictureFocused() {
        Help help;
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        QVERIFY(pictures::matchesReference(pictures::shown(help, help.rect()),
                                           QStringLiteral(BRINTAMO_REFERENCES), "help"));
    }

    // 165 x 172, 24 bits, uncompressed; black ink on white in nine bands of rows, inside
    // columns 5 to 157 and rows 5 to 159.
    void workedExamplePicture() {
        const QByteArray bmp = bytesOf(QStringLiteral(":/info/help-example.bmp"));
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(at<qint32>(bmp, 18), 165);
        QCOMPARE(at<qint32>(bmp, 22), 172);
        QCOMPARE(at<quint16>(bmp, 28), 24);
        QCOMPARE(at<quint32>(bmp, 30), 0u);
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
        QVERIFY2(QRect(5, 5, 153, 155).contains(ink), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                     .arg(ink.x())
                                                                     .arg(ink.y())
                                                                     .arg(ink.width())
                                                                     .arg(ink.height())));
    }

    // Two 32 x 32 images, in two and in sixteen colours, and a 16 x 16 one in sixteen.
    void applicationIcon() {
        const QByteArray ico = bytesOf(QStringLiteral(BRINTAMO_APP_ICON));
        QCOMPARE(at<quint16>(ico, 2), 1); // an icon
        QCOMPARE(at<quint16>(ico, 4), 3);
        QStringList images;
        for (int entry = 6; entry < 6 + 3 * 16; entry += 16) {
            images << QStringLiteral("%1x%2 %3 colours %4 bits")
                          .arg(quint8(ico[entry]))
                          .arg(quint8(ico[entry + 1]))
                          .arg(quint8(ico[entry + 2]))
                          .arg(at<quint16>(ico, entry + 6));
        }
        QCOMPARE(images, QStringList({"32x32 2 colours 1 bits", "32x32 16 colours 4 bits",
                                      "16x16 16 colours 4 bits"}));
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
