#include "frmAbout.h"

#include "ApplicationInfo.h"
#include "frmAboutDescription.h"

frmAbout::frmAbout()
    : Form(frmAboutDescription()), lblTitle(control<QLabel>("lblTitle")),
      lblVersion(control<QLabel>("lblVersion")) {
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

// Starting the system-information program is not part of the program yet.
void frmAbout::cmdSysInfo_Click() {}
