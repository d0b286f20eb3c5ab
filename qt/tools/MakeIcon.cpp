// Builds a Windows icon file from XPM pixel maps, each at the colour depth given before it
// (1 for two colours, 4 for the standard sixteen), with a transparency mask from the maps'
// "None" pixels. With --png it also writes, for the desktop's icon theme, OUTPUT-SIZE.png at 16,
// 32, 48 and 256 pixels, each the largest sixteen-colour map that fits a whole number of times,
// enlarged pixel by pixel:   make_icon [--png] OUTPUT.ico DEPTH:INPUT.xpm [DEPTH:INPUT.xpm ...]

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <map>

namespace {

// The standard sixteen colours in their usual order, and black and white for two colours.
constexpr std::array<QRgb, 16> standardColours = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
constexpr std::array<QRgb, 2> twoColours = {0xff000000, 0xffffffff};

template <typename T> void put(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Rows bottom up, each padded to four bytes.
QByteArray packedRows(const QImage& image, int bits, auto valueAt) {
    QByteArray rows;
    const int rowBytes = (image.width() * bits + 31) / 32 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const int bit = x * bits;
            row[bit / 8] = char(row[bit / 8] | valueAt(x, y) << (8 - bits - bit % 8));
        }
        rows += row;
    }
    return rows;
}

// The image as a DIB of the icon format: header, palette, colour indexes, then the mask.
QByteArray iconImage(const QImage& image, int bits) {
    const int colours = 1 << bits;
    const QRgb* palette = bits == 1 ? twoColours.data() : standardColours.data();
    const auto index = [&](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        const int found = int(std::find(palette, palette + colours, pixel) - palette);
        if (qAlpha(pixel) != 0 && found == colours) {
            qFatal("pixel %d,%d is not one of the %d standard colours", x, y, colours);
        }
        return qAlpha(pixel) == 0 ? 0 : found;
    };
    const QByteArray pixels = packedRows(image, bits, index);
    const QByteArray mask =
        packedRows(image, 1, [&](int x, int y) { return qAlpha(image.pixel(x, y)) == 0 ? 1 : 0; });
    QByteArray out;
    for (const quint32 field : {40u, quint32(image.width()), quint32(image.height() * 2)}) {
        put(out, field);
    }
    put<quint16>(out, 1);
    put<quint16>(out, quint16(bits));
    for (const quint32 field :
         {0u, quint32(pixels.size() + mask.size()), 0u, 0u, quint32(colours), 0u}) {
        put(out, field);
    }
    for (int i = 0; i < colours; ++i) {
        put(out, quint32(palette[i] & 0xffffff)); // blue, green, red, zero
    }
    return out + pixels + mask;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool pngs = arguments.removeAll(QStringLiteral("--png")) > 0;
    if (arguments.size() < 2) {
        qCritical("usage: make_icon [--png] OUTPUT.ico DEPTH:INPUT.xpm [DEPTH:INPUT.xpm ...]");
        return 2;
    }
    QByteArray directory;
    QByteArray images;
    std::map<int, QImage> themeMaps; // the sixteen-colour maps by width
    put<quint16>(directory, 0);
    put<quint16>(directory, 1);
    put<quint16>(directory, quint16(arguments.size() - 1));
    const int firstImage = 6 + 16 * int(arguments.size() - 1);
    for (const QString& argument : arguments.mid(1)) {
        const int bits = argument.section(u':', 0, 0).toInt();
        const QString input = argument.section(u':', 1);
        const QImage image = QImage(input).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull() || (bits != 1 && bits != 4)) {
            qCritical("cannot read %s at depth %d", qPrintable(input), bits);
            return 1;
        }
        const QByteArray data = iconImage(image, bits);
        directory.append(char(image.width()))
            .append(char(image.height()))
            .append(char(1 << bits))
            .append('\0');
        put<quint16>(directory, 1);
        put<quint16>(directory, quint16(bits));
        put(directory, quint32(data.size()));
        put(directory, quint32(firstImage + images.size()));
        images += data;
        if (bits == 4) {
            themeMaps[image.width()] = image;
        }
    }
    const QFileInfo ico(arguments[0]);
    for (const int size : {16, 32, 48, 256}) {
        const auto fits = std::find_if(themeMaps.rbegin(), themeMaps.rend(),
                                       [&](const auto& map) { return size % map.first == 0; });
        if (pngs && (fits == themeMaps.rend() ||
                     !fits->second.scaled(size, size)
                          .save(QStringLiteral("%1/%2-%3.png")
                                    .arg(ico.absolutePath(), ico.completeBaseName(),
                                         QString::number(size))))) {
            qCritical("no sixteen-colour map for %d pixels", size);
            return 1;
        }
    }
    QFile output(arguments[0]);
    return output.open(QIODevice::WriteOnly) && output.write(directory + images) > 0 ? 0 : 1;
}
