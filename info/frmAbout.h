#pragma once
// The About box: wires OK and "System Info..." and sets its run-time texts at load; everything
// else it shows comes from its table. StartSysInfo and GetKeyValue come with SysInfoLauncher.

#include "SysInfoLauncher.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"

#include <QLabel>
#include <QPushButton>

class frmAbout : public platform::Form, public SysInfoLauncher {
    Q_OBJECT

public:
    frmAbout();

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    QLabel* lblTitle;
    QLabel* lblVersion;
    platform::ModalMessageBox messages_;
};
