// The window suite's probe over the Qt front end: windows made as the program makes them,
// controls found by their object names, keys sent through Qt Test, pictures read from the
// windows' raster backing stores (so text drawn only once is seen), and the message boxes
// answered from a timer that watches for them.

#include "WindowProbe.h"

#include "AboutBox.h"
#include "AboutBoxTable.h"
#include "Application.h"
#include "MainWindow.h"
#include "MainWindowTable.h"
#include "MessageBox.h"
#include "QtColours.h"
#include "SpaceWrappedLabel.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QBackingStore>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <map>

namespace probe {

namespace {

double runScale = 1;
Answer answer = Answer::Enter;
std::vector<MessageSeen> seen;

qtui::ModalMessageBox& programMessages() {
    static qtui::ModalMessageBox messages(QStringLiteral("Brintamo"));
    return messages;
}

pictures::Picture pictureOf(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const std::uint32_t*>(pixels.constBits());
    return {pixels.width(), pixels.height(),
            std::vector<std::uint32_t>(first, first + pixels.width() * pixels.height())};
}

// An area of a window as it shows it, in device pixels.
pictures::Picture shown(const QWidget& window, QRect area) {
    QCoreApplication::processEvents();
    const auto* pixels = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    const qreal ratio = window.devicePixelRatio();
    return pictureOf(pixels->copy(QRect(area.topLeft() * ratio, area.size() * ratio)));
}

Area inDevicePixels(const QRectF& area) {
    return {area.left() * runScale, area.top() * runScale, area.width() * runScale,
            area.height() * runScale};
}

void answerShownMessage() {
    static bool answering = false;
    auto* box = qobject_cast<qtui::MessageDialog*>(QApplication::activeModalWidget());
    if (answering || box == nullptr || !QTest::qWaitForWindowExposed(box)) {
        return;
    }
    answering = true;
    MessageSeen message{box->windowTitle().toStdString(),
                        box->text().toStdString(),
                        int(box->findChildren<QPushButton*>().size()),
                        {},
                        shown(*box, box->rect())};
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    message.copied = QApplication::clipboard()->text().toStdString();
    seen.push_back(std::move(message));
    switch (answer) {
    case Answer::Enter:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case Answer::Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case Answer::CloseButton:
        box->close();
        break;
    case Answer::ClickOk:
        QTest::mouseClick(box->okButton(), Qt::LeftButton);
        break;
    }
    answering = false;
}

forms::ControlKind kindHeard(QAccessible::Role role) {
    const std::map<QAccessible::Role, forms::ControlKind> kinds = {
        {QAccessible::EditableText, forms::ControlKind::TextBox},
        {QAccessible::Button, forms::ControlKind::CommandButton},
        {QAccessible::Graphic, forms::ControlKind::PictureBox}};
    const auto found = kinds.find(role);
    return found != kinds.end() ? found->second : forms::ControlKind::Label;
}

class QtWindow final : public Window {
public:
    explicit QtWindow(qtui::Form* form) : form_(form) {
        form_->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_)) << form_->objectName().toStdString();
    }
    ~QtWindow() override {
        delete form_;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close(); // the windows it opened
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    bool isOpen() const { return form_ != nullptr && form_->isVisible(); }
    Area clientArea() const override {
        return inDevicePixels(
            QRect(form_->surface()->mapToGlobal(QPoint(0, 0)), form_->surface()->size()));
    }
    bool resizable() const override { return form_->minimumSize() != form_->maximumSize(); }
    bool inTaskbar() const override { return form_->windowType() != Qt::Tool; }

    Area place(const char* control) const override {
        return inDevicePixels(widget(control)->geometry());
    }
    FontSeen font(const char* control) const override {
        const QFont font = widget(control)->font();
        return {font.pixelSize() * runScale, font.bold()};
    }
    std::string text(const char* control) const override {
        return widget(control)->property("text").toString().toStdString();
    }
    std::vector<std::string> lines(const char* control) const override {
        const QWidget* shown = widget(control);
        const QString said = QString::fromStdString(text(control));
        std::vector<std::string> lines;
        for (const QString& line :
             qobject_cast<const QLabel*>(shown) != nullptr
                 ? qtui::linesAtSpaces(said, QFontMetricsF(shown->font()), shown->width())
                 : QStringList{said}) {
            lines.push_back(line.toStdString());
        }
        return lines;
    }
    Area measure(const char* control, const std::string& line) const override {
        const QFontMetricsF metrics(widget(control)->font());
        return inDevicePixels(QRectF(0, 0, metrics.horizontalAdvance(QString::fromStdString(line)),
                                     metrics.lineSpacing()));
    }
    Heard heard(const char* control) const override {
        const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(widget(control));
        return {kindHeard(heard->role()), heard->text(QAccessible::Name).toStdString(),
                heard->text(QAccessible::Description).toStdString()};
    }
    std::string focused() const override {
        const QWidget* focus = QApplication::focusWidget();
        return !isOpen() ? "(closed)"
               : focus != nullptr && focus->parent() == form_->surface()
                   ? focus->objectName().toStdString()
                   : "(elsewhere)";
    }

    void setFocus(const char* control) override { widget(control)->setFocus(); }
    void click(const char* control) override { QTest::mouseClick(widget(control), Qt::LeftButton); }
    void holdDown(const char* button) override {
        form_->control<QPushButton>(button)->setDown(true);
    }
    void choose(const char* menuItem) override {
        form_->menuItem(menuItem)->trigger();
        QTest::qWait(50); // for the window it shows to become active
    }
    void switchAwayAndBack() override {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_));
    }
    void minimiseAndRestore() override {
        form_->showMinimized();
        form_->showNormal();
        QTest::qWait(50);
    }
    pictures::Picture picture() const override {
        return shown(*form_, form_->surface()->geometry());
    }
    forms::WindowView& view() override { return *form_; }

private:
    QWidget* widget(const char* control) const { return form_->control<QWidget>(control); }

    QPointer<qtui::Form> form_;
};

} // namespace

std::shared_ptr<void> start(int& argc, char** argv, double scale) {
    runScale = scale;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    auto application = std::make_shared<QApplication>(argc, argv);
    qtui::prepareApplication();
    QApplication::setCursorFlashTime(0); // a steady text cursor keeps pictures comparable
    auto* watch = new QTimer(application.get());
    QObject::connect(watch, &QTimer::timeout, application.get(), answerShownMessage);
    watch->start(10);
    return application;
}

double scale() {
    return runScale;
}

std::string referenceFolder() {
    return BRINTAMO_WINDOW_SUITE_DATA "/reference/qt";
}

std::unique_ptr<Window> open(const forms::WindowTable& table) {
    if (&table == &forms::mainWindowTable()) {
        return std::make_unique<QtWindow>(new qtui::MainWindow(programMessages()));
    }
    if (&table == &forms::aboutBoxTable()) {
        return std::make_unique<QtWindow>(new qtui::AboutBox(programMessages()));
    }
    return std::make_unique<QtWindow>(new qtui::Form(table));
}

void press(const std::string& keys) {
    Qt::KeyboardModifiers modifiers;
    QString key = QString::fromStdString(keys);
    for (const auto& [name, modifier] : {std::pair{"Shift+", Qt::ShiftModifier},
                                         {"Alt+", Qt::AltModifier},
                                         {"Ctrl+", Qt::ControlModifier}}) {
        if (key.startsWith(QLatin1StringView(name))) {
            modifiers |= modifier;
            key.remove(0, int(std::strlen(name)));
        }
    }
    const QKeySequence named(key == "Enter" ? QStringLiteral("Return") : key);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(named[0].key()), modifiers);
    // An access key presses its button once the button has been seen pressed, a tenth later.
    QTest::qWait(modifiers & Qt::AltModifier ? 150 : 0);
}

void setClipboard(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void answerMessages(Answer how) {
    answer = how;
}

std::vector<MessageSeen> takeMessagesSeen() {
    return std::exchange(seen, {});
}

int windowsTitled(const std::string& title) {
    QCoreApplication::processEvents();
    return int(std::ranges::count_if(QApplication::topLevelWidgets(), [&](const QWidget* window) {
        return window->isVisible() && window->windowTitle().toStdString() == title;
    }));
}

std::string activeTitle() {
    const QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active->windowTitle().toStdString() : std::string();
}

std::uint32_t colour(const forms::Colour& colour, forms::ControlKind kind) {
    if (colour.isSet()) {
        return qtui::resolve(colour).rgb() & 0xFFFFFF;
    }
    const QPalette palette = QApplication::palette();
    const QPalette::ColorRole role = kind == forms::ControlKind::TextBox ? QPalette::Base
                                     : kind == forms::ControlKind::Label ? QPalette::Window
                                                                         : QPalette::Button;
    return palette.color(role).rgb() & 0xFFFFFF;
}

} // namespace probe

namespace pictures {

Picture load(const std::string& file) {
    const QImage image(QString::fromStdString(file));
    return image.isNull() ? Picture() : probe::pictureOf(image);
}

bool save(const Picture& picture, const std::string& file) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, QImage::Format_RGB32)
        .save(QString::fromStdString(file));
}

} // namespace pictures
