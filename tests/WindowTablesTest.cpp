// What every window description must give, whatever its rows say: controls apart and inside the
// client area, tab indexes 0..n-1 that Tab then follows, and captions that fit their controls.

#include "app/BrintamoDescription.h"
#include "info/HelpDescription.h"
#include "info/frmAboutDescription.h"
#include "platform/Application.h"
#include "platform/Form.h"

#include <QApplication>
#include <QTest>

using Description = const platform::WindowDescription*;
Q_DECLARE_METATYPE(Description)

class WindowTablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::prepareApplication(); }

    void tableHolds_data() {
        QTest::addColumn<Description>("window");
        QTest::newRow("Brintamo") << &brintamoDescription();
        QTest::newRow("Help") << &helpDescription();
        QTest::newRow("frmAbout") << &frmAboutDescription();
    }

    void tableHolds() {
        QFETCH(Description, window);
        const auto rect = [](const auto& row) {
            return QRect(row.left, row.top, row.width, row.height);
        };
        // Help's title reaches 15 twips, one pixel row of blank margin, into the paragraph below.
        const auto inner = [&](const auto& row) { return rect(row).adjusted(0, 0, -15, -15); };
        std::vector<const platform::ControlDescription*> byTab(window->controls.size());
        for (const auto& row : window->controls) {
            QVERIFY2(QRect(0, 0, window->clientWidth, window->clientHeight).contains(rect(row)),
                     row.name);
            for (const auto& other : window->controls) {
                QVERIFY2(&row == &other || !inner(row).intersects(inner(other)), row.name);
            }
            QVERIFY2(row.tabIndex >= 0 && row.tabIndex < int(byTab.size()) && !byTab[row.tabIndex],
                     row.name);
            byTab[row.tabIndex] = &row;
        }

        platform::Form form(*window);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.surface()->size() * 15, QSize(window->clientWidth, window->clientHeight));
        QStringList tabOrder;
        for (const auto* row : byTab) {
            const auto* widget = form.control<QWidget>(row->name);
            const QRect room(0, 0, widget->width(), 10000);
            const QRect needed = widget->fontMetrics().boundingRect(room, Qt::TextWordWrap,
                                                                    QString::fromUtf8(row->text));
            QVERIFY2(needed.width() <= widget->width() && needed.height() <= widget->height(),
                     row->name);
            if (widget->focusPolicy() & Qt::TabFocus) {
                tabOrder << widget->objectName();
            }
        }
        QStringList visited{QApplication::focusWidget()->objectName()};
        while (visited.size() < tabOrder.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, tabOrder);
    }
};

QTEST_MAIN(WindowTablesTest)
#include "WindowTablesTest.moc"
