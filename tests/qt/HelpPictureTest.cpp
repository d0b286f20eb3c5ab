// The worked example as the Help window shows it: 165 x 172 pixels at 24 bits, black text on
// white only, the text in columns 5 to 157 and rows 5 to 159, in nine lines.

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

class HelpPictureTest : public QObject {
    Q_OBJECT

private slots:
    void holdsTheDescribedText() {
        QFile file(QStringLiteral(BRINTAMO_HELP_PICTURE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(34);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), 24); // bits per pixel
        QCOMPARE(qFromLittleEndian<quint32>(header.constData() + 30), 0U); // uncompressed
        const QImage picture(file.fileName());
        QCOMPARE(picture.size(), QSize(165, 172));
        QRect ink;
        int lines = 0;
        bool inLine = false;
        for (int y = 0; y < picture.height(); ++y) {
            bool rowHasInk = false;
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                QVERIFY(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255));
                if (pixel == qRgb(0, 0, 0)) {
                    ink |= QRect(x, y, 1, 1);
                    rowHasInk = true;
                }
            }
            lines += rowHasInk && !inLine ? 1 : 0;
            inLine = rowHasInk;
        }
        QCOMPARE(ink, QRect(QPoint(5, 5), QPoint(157, 159)));
        QCOMPARE(lines, 9);
    }
};

QTEST_GUILESS_MAIN(HelpPictureTest)
#include "HelpPictureTest.moc"
