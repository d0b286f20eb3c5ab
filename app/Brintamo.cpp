#include "Brintamo.h"

#include "BrintamoDescription.h"
#include "solver/OutcomeMessage.h"
#include "solver/SolveQuadratic.h"

#include <exception>

namespace {

// The print format for numbers: the sign's place (blank for the positive button codes), the
// digits, a trailing blank.
QString printedButtonCode(int code) {
    return QStringLiteral(" %1 ").arg(code);
}

} // namespace

Brintamo::Brintamo(platform::MessageService& messages)
    : Form(brintamoDescription()), Text1(control<QLineEdit>("Text1")),
      Text2(control<QLineEdit>("Text2")), Text3(control<QLineEdit>("Text3")),
      Text4(control<QLineEdit>("Text4")), Text5(control<QLineEdit>("Text5")), messages_(messages) {
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this,
            &Brintamo::Command1_Click);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this,
            &Brintamo::Command2_Click);
    connect(menuItem("mnuAbout"), &QAction::triggered, this, &Brintamo::mnuAbout_Click);
    connect(menuItem("mnuhelp"), &QAction::triggered, this, &Brintamo::mnuhelp_Click);
    connect(menuItem("mnuExit"), &QAction::triggered, this, &Brintamo::mnuExit_Click);
}

void Brintamo::Command1_Click() {
    SolveOutcome outcome;
    try {
        outcome = SolveQuadratic(Text1->text(), Text2->text(), Text3->text());
    } catch (const std::exception&) {
        // Out of memory, say: an exception may not leave a Qt slot, and no failure ends the
        // program. The default outcome is the failure message with no roots.
    }
    // Boxes that receive no root keep what they held.
    if (outcome.firstRoot) {
        Text4->setText(*outcome.firstRoot);
    }
    if (outcome.secondRoot) {
        Text5->setText(*outcome.secondRoot);
    }
    if (const std::optional<QString> message = messageFor(outcome.kind)) {
        reportMessage(*message);
    }
}

void Brintamo::Command2_Click() {
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5}) {
        box->setText(QString());
    }
}

void Brintamo::mnuAbout_Click() {
    about_.show();
}

void Brintamo::mnuhelp_Click() {
    help_.show();
}

void Brintamo::mnuExit_Click() {
    close();
}

void Brintamo::reportMessage(const QString& text) {
    printLine(printedButtonCode(messages_.showMessage(text)));
}
