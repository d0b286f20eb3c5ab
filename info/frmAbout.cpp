#include "frmAbout.h"

#include "ApplicationInfo.h"
#include "frmAboutDescription.h"

frmAbout::frmAbout()
    : Form(frmAboutDescription()),
      SysInfoLauncher(
          platform::systemRegistry(), platform::systemFiles(), platform::systemPrograms(),
          [this](const std::string& text) { messages_.showMessage(QString::fromLocal8Bit(text)); }),
      lblTitle(control<QLabel>("lblTitle")), lblVersion(control<QLabel>("lblVersion")),
      messages_(QString::fromLatin1(appinfo::title)) {
    connect(control<QPushButton>("cmdOK"), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(control<QPushButton>("cmdSysInfo"), &QPushButton::clicked, this,
            &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
    const QString title = QString::fromLatin1(appinfo::title);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(appinfo::versionMajor)
                            .arg(appinfo::versionMinor)
                            .arg(appinfo::versionRevision));
    lblTitle->setText(title);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}
