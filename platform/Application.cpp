#include "Application.h"

#include "ClassicButtonStyle.h"
#include "Fonts.h"

#include <QApplication>
#include <QStyleFactory>

namespace platform {

void prepareApplication() {
    QApplication::setStyle(new ClassicButtonStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    loadProgramFonts();
    QApplication::setFont(programFont(defaultFont, qApp->devicePixelRatio()));
}

} // namespace platform
