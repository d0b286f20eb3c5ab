#include "Application.h"

#include "Fonts.h"

#include <QApplication>

namespace platform {

void prepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    loadProgramFonts();
    QApplication::setFont(programFont(defaultFont, qApp->devicePixelRatio()));
}

} // namespace platform
