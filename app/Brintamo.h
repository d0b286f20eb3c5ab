#pragma once
// The main window: wires its controls and menu items to their handlers and moves texts between
// its boxes and the root calculation. It computes nothing itself.

#include "info/Help.h"
#include "info/frmAbout.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"

#include <QLineEdit>
#include <QPushButton>

class Brintamo : public platform::Form {
    Q_OBJECT

public:
    explicit Brintamo(platform::MessageService& messages);

    void Command1_Click();
    void Command2_Click();
    void mnuAbout_Click();
    void mnuhelp_Click();
    void mnuExit_Click();

private:
    void reportMessage(const QString& text);

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    platform::MessageService& messages_;
    platform::SingleInstance<frmAbout> about_;
    platform::SingleInstance<Help> help_;
};
