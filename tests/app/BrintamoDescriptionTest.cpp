// Properties the main window's table must have, whatever its rows say.

#include "app/BrintamoDescription.h"
#include "RecordingMessages.h"
#include "app/Brintamo.h"
#include "platform/Application.h"
#include "platform/Twips.h"

#include <QFontInfo>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

QRect twipsRect(const platform::ControlDescription& row) {
    return {row.left, row.top, row.width, row.height};
}

} // namespace

class BrintamoDescriptionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::prepareApplication(); }

    // The bitmap MS Sans Serif has one strike, right only for the default font at 100 %.
    void bitmapFontOnlyWhereItsStrikeFits() {
        const qreal ratio = qApp->devicePixelRatio();
        const QFontInfo defaultFont(platform::programFont(platform::defaultFont, ratio));
        QCOMPARE(defaultFont.family(),
                 ratio > 1 ? QStringLiteral("Liberation Sans") : QStringLiteral("MS Sans Serif"));
        QCOMPARE(QFontInfo(platform::programFont({13.5, true}, ratio)).family(),
                 QStringLiteral("Liberation Sans"));
    }

    void controlsDoNotOverlap() {
        const auto controls = brintamoDescription().controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!twipsRect(controls[i]).intersects(twipsRect(controls[j])),
                         qPrintable(
                             QStringLiteral("%1 and %2").arg(controls[i].name, controls[j].name)));
            }
        }
    }

    void controlsLieInsideTheClientArea() {
        const platform::WindowDescription& window = brintamoDescription();
        const QRect client(0, 0, window.clientWidth, window.clientHeight);
        for (const auto& row : window.controls) {
            QVERIFY2(client.contains(twipsRect(row)), row.name);
        }
    }

    void tabIndexesAreUniqueAndContiguous() {
        std::vector<int> indexes;
        for (const auto& row : brintamoDescription().controls) {
            indexes.push_back(row.tabIndex);
        }
        std::sort(indexes.begin(), indexes.end());
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            QCOMPARE(indexes[i], static_cast<int>(i));
        }
    }

    // The fonts in use, bitmap or fallback, must leave every caption whole inside its control.
    void captionsFitTheirControls() {
        RecordingMessages messages;
        Brintamo window(messages);
        for (const auto& row : brintamoDescription().controls) {
            const auto* widget = window.surface()->findChild<QWidget*>(QLatin1StringView(row.name));
            QVERIFY(widget != nullptr);
            const QString caption = QString::fromUtf8(row.text);
            const QFontMetrics metrics(widget->font());
            QVERIFY2(metrics.horizontalAdvance(caption) <= widget->width(), row.name);
            QVERIFY2(metrics.height() <= widget->height(), row.name);
        }
    }

    // The menu bar sits above the client area, which keeps its full size below it.
    void clientAreaIsItsTwipsBelowTheMenuBar() {
        RecordingMessages messages;
        Brintamo window(messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.surface()->size(), QSize(346, 476));
    }
};

QTEST_MAIN(BrintamoDescriptionTest)
#include "BrintamoDescriptionTest.moc"
