// What every Qt window must give, whatever its table says: the tab indexes that Tab follows round,
// captions that fit their controls, what screen readers hear, and the look of the freshly opened
// window against its reference picture.

#include "AboutBox.h"
#include "AboutBoxTable.h"
#include "Application.h"
#include "HelpWindowTable.h"
#include "MainWindow.h"
#include "MainWindowTable.h"
#include "MessageBox.h"
#include "Pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

using Description = const forms::WindowTable*;
using Opener = std::function<qtui::Form*()>;
Q_DECLARE_METATYPE(Description)

class WindowTablesTest : public QObject {
    Q_OBJECT

    qtui::ModalMessageBox messages_{QStringLiteral("Brintamo")}; // never shown here

private slots:
    void initTestCase() {
        qtui::prepareApplication();
        QApplication::setCursorFlashTime(0); // a steady text cursor keeps pictures comparable
    }

    void windowHolds_data() {
        QTest::addColumn<Description>("table");
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Brintamo") << &forms::mainWindowTable()
                                  << Opener([this] { return new qtui::MainWindow(messages_); })
                                  << "Brintamo";
        QTest::newRow("Help") << &forms::helpWindowTable()
                              << Opener([] { return new qtui::Form(forms::helpWindowTable()); })
                              << "Help";
        QTest::newRow("frmAbout") << &forms::aboutBoxTable()
                                  << Opener([this] { return new qtui::AboutBox(messages_); })
                                  << "About Brintamo";
    }

    void windowHolds() {
        QFETCH(Description, table);
        QFETCH(Opener, open);
        QFETCH(QString, caption);
        std::vector<const forms::ControlRow*> byTab(table->controls.size());
        for (const auto& row : table->controls) {
            byTab[row.tabIndex] = &row; // indexes 0..n-1, as window_tables_core_test checks
        }

        const std::unique_ptr<qtui::Form> form(open());
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->surface()->size() * 15, QSize(table->clientWidth, table->clientHeight));
        QStringList tabOrder;
        const QAccessible::Role roles[] = {QAccessible::EditableText, QAccessible::StaticText,
                                           QAccessible::Button, QAccessible::Graphic};
        for (const auto* row : byTab) {
            auto* widget = form->control<QWidget>(row->name);
            const QString text = QString::fromUtf8(row->text);
            const QRect room = widget->rect().adjusted(0, 0, 0, 10000);
            QVERIFY2(widget->rect().contains(
                         widget->fontMetrics().boundingRect(room, Qt::TextWordWrap, text)),
                     row->name);
            // A picture fills its box at any scaling, to within a pixel.
            if (const auto* picture = qobject_cast<QLabel*>(widget);
                picture != nullptr && !picture->pixmap().isNull()) {
                const QSizeF shown = picture->pixmap().deviceIndependentSize();
                const QSizeF inside = picture->contentsRect().size();
                QVERIFY2(qAbs(shown.width() - inside.width()) < 1 &&
                             shown.height() > inside.height() - 2 &&
                             shown.height() < inside.height() + 1,
                         row->name);
            }
            tabOrder << (widget->focusPolicy() & Qt::TabFocus ? QStringList(row->name)
                                                              : QStringList());
            // Every control that takes the focus tells a screen reader its role, name and purpose.
            const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(!(widget->focusPolicy() & Qt::TabFocus) ||
                         (heard->role() == roles[int(row->kind)] &&
                          !heard->text(QAccessible::Name).isEmpty() &&
                          !heard->text(QAccessible::Description).isEmpty()),
                     row->name);
        }
        QVERIFY(pictures::matchesReference(pictures::shown(*form, form->rect()),
                                           QStringLiteral(BRINTAMO_REFERENCES),
                                           form->objectName()));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 0; i < tabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
            QVERIFY(QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                        ->state()
                        .focused);
        }
        QCOMPARE(visited, tabOrder << tabOrder.front());
    }
};

QTEST_MAIN(WindowTablesTest)
#include "WindowTablesTest.moc"
