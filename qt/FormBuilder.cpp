#include "FormBuilder.h"

#include "Contrast.h"
#include "ProgramFonts.h"
#include "QtColours.h"
#include "SpaceWrappedLabel.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace qtui {

namespace {

// A single-line box keeps only the first line of a text pasted into it, as single-line boxes do
// on the desktops the program comes from. Just after an insertion the cursor ends the inserted
// text, so the rest of the insertion is what lies between the first line break and the cursor.
class FirstLineOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& cursor) const override {
        static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
        for (qsizetype end = 0; (end = text.indexOf(lineBreak)) >= 0;) {
            text = text.left(end) + (cursor > end ? text.mid(cursor) : QString());
            cursor = static_cast<int>(end);
        }
        return Acceptable;
    }
};

// A push button that its access key also gives the focus, as Windows' dialogs do: after the
// message that the press may show, the focus comes back to it.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut) {
            setFocus(Qt::ShortcutFocusReason);
        }
        return QPushButton::event(event);
    }
};

// The picture at the screen's scaling, as sharp as that allows: enlarged pixel by pixel to the
// next whole factor, then, between whole factors only, reduced smoothly to its exact size.
QPixmap scaledPicture(const QPixmap& picture, qreal pixelRatio) {
    const QSize exact = (QSizeF(picture.size()) * pixelRatio).toSize();
    QPixmap scaled = picture.scaled(picture.size() * std::ceil(pixelRatio));
    if (scaled.size() != exact) {
        scaled = scaled.scaled(exact, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    scaled.setDevicePixelRatio(pixelRatio);
    return scaled;
}

QWidget* createWidget(const forms::ControlRow& row, QWidget* surface, qreal pixelRatio) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case forms::ControlKind::TextBox: {
        auto* box = new QLineEdit(text, surface);
        // No length limit: nothing typed or pasted is cut, which would change the number.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setFocusPolicy(Qt::StrongFocus);
        box->setValidator(new FirstLineOnly(box));
        return box;
    }
    case forms::ControlKind::Label: {
        auto* label = new SpaceWrappedLabel(text, surface);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true); // opaque, so its own background shows
        return label;
    }
    case forms::ControlKind::CommandButton: {
        auto* button = new CommandButton(text, surface);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case forms::ControlKind::PictureBox: {
        auto* picture = new QLabel(surface);
        picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // the classic 2-pixel edge
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(scaledPicture(
            QPixmap(QStringLiteral(":/pictures/") + QString::fromUtf8(row.picture)), pixelRatio));
        picture->setBackgroundRole(QPalette::Button); // button face where the picture ends
        picture->setAutoFillBackground(true);
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
    }
    return nullptr;
}

// The palette roles that carry a control's background and foreground in Qt's styles.
std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::TextBox:
        return {QPalette::Base, QPalette::Text};
    case forms::ControlKind::CommandButton:
    case forms::ControlKind::PictureBox:
        return {QPalette::Button, QPalette::ButtonText};
    case forms::ControlKind::Label:
        break;
    }
    return {QPalette::Window, QPalette::WindowText};
}

// A box keeps the background the palette pairs with its text where the described one would
// not let its text be read.
void applyColours(QWidget* widget, const forms::ControlRow& row) {
    const auto [backgroundRole, foregroundRole] = colourRoles(row.kind);
    QPalette palette = widget->palette();
    if (row.foreground.isSet()) {
        palette.setColor(foregroundRole, resolve(row.foreground));
    }
    const QRgb text = palette.color(foregroundRole).rgb() & 0xFFFFFF;
    if (row.background.isSet() &&
        (row.kind != forms::ControlKind::TextBox ||
         forms::readable(text, resolve(row.background).rgb() & 0xFFFFFF))) {
        palette.setColor(backgroundRole, resolve(row.background));
    }
    widget->setPalette(palette);
}

void chainFocus(std::vector<std::pair<int, QWidget*>> byTabIndex) {
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](const auto& left, const auto& right) { return left.first < right.first; });
    std::erase_if(byTabIndex,
                  [](const auto& entry) { return entry.second->focusPolicy() == Qt::NoFocus; });
    for (std::size_t i = 1; i < byTabIndex.size(); ++i) {
        QWidget::setTabOrder(byTabIndex[i - 1].second, byTabIndex[i].second);
    }
    if (!byTabIndex.empty()) {
        byTabIndex.front().second->setFocus();
    }
}

} // namespace

void buildControls(QWidget* surface, std::span<const forms::ControlRow> controls) {
    const qreal pixelRatio = qApp->devicePixelRatio();
    std::vector<std::pair<int, QWidget*>> byTabIndex;
    for (const forms::ControlRow& row : controls) {
        QWidget* widget = createWidget(row, surface, pixelRatio);
        widget->setObjectName(QLatin1StringView(row.name));
        widget->setGeometry(twipsToPixels(row.left, row.top, row.width, row.height));
        widget->setFont(programFont(row.font, pixelRatio));
        applyColours(widget, row);
        byTabIndex.emplace_back(row.tabIndex, widget);
    }
    chainFocus(std::move(byTabIndex));
}

void describeForScreenReaders(QWidget* surface, std::span<const forms::AccessibleRow> rows) {
    const auto named = [surface](const char* name) {
        return surface->findChild<QWidget*>(QLatin1StringView(name));
    };
    for (const forms::AccessibleRow& row : rows) {
        QWidget* control = named(row.control);
        control->setAccessibleName(QString::fromUtf8(row.name));
        control->setAccessibleDescription(QString::fromUtf8(row.description));
        if (row.labels != nullptr) {
            qobject_cast<QLabel*>(control)->setBuddy(named(row.labels));
        }
    }
}

void buildMenus(QMenuBar* menuBar, std::span<const forms::MenuRow> menus) {
    for (const forms::MenuRow& menu : menus) {
        const QString caption = QString::fromUtf8(menu.caption);
        QAction* action = nullptr;
        if (menu.items.empty()) {
            action = menuBar->addAction(caption);
        } else {
            QMenu* dropDown = menuBar->addMenu(caption);
            for (const forms::MenuItemRow& item : menu.items) {
                dropDown->addAction(QString::fromUtf8(item.caption))
                    ->setObjectName(QLatin1StringView(item.name));
            }
            action = dropDown->menuAction();
        }
        action->setObjectName(QLatin1StringView(menu.name));
    }
}

} // namespace qtui
