#include "ProgramFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace qtui {

namespace {

const QString bitmapFamily = QStringLiteral("MS Sans Serif");
const QString outlineFamily = QStringLiteral("Liberation Sans");

bool bitmapFontLoaded = false;

} // namespace

// Adding the file first spares asking the font database, which would read every font's details
// before the window needs them.
void loadProgramFonts() {
    bitmapFontLoaded = QFontDatabase::addApplicationFont(
                           QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf")) >= 0 ||
                       QFontDatabase::hasFamily(bitmapFamily);
}

QFont programFont(const forms::FontSpec& wanted, qreal devicePixelRatio) {
    const bool useBitmap = forms::takesBitmapFont(wanted, devicePixelRatio) && bitmapFontLoaded;
    QFont font;
    font.setFamilies({useBitmap ? bitmapFamily : outlineFamily, QStringLiteral("DejaVu Sans"),
                      QStringLiteral("sans-serif")});
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * 96.0 / 72.0)));
    font.setBold(wanted.bold);
    return font;
}

} // namespace qtui
