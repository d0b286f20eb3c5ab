#pragma once
// The built program's real X windows, found, driven and read through xdotool and xprop.

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTest>

namespace xwindows {

inline QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

inline QString xdotool(const QStringList& arguments) {
    return run(QStringLiteral("xdotool"), arguments);
}

inline QStringList windowsNamed(const QString& title) {
    return xdotool({"search", "--onlyvisible", "--name", u'^' + title + u'$'})
        .split(u'\n', Qt::SkipEmptyParts);
}

// The first window of that title, once one shows; empty if none does.
inline QString waitForWindow(const QString& title) {
    QStringList found;
    return QTest::qWaitFor([&] { return !(found = windowsNamed(title)).isEmpty(); }, 15000)
               ? found[0]
               : QString();
}

// Without a frame, a window's geometry is that of its menu bar and client area.
inline QRect geometryOf(const QString& window) {
    const QStringList lines = xdotool({"getwindowgeometry", "--shell", window}).split(u'\n');
    const auto value = [&](int line) { return lines.value(line).section(u'=', 1).toInt(); };
    return {value(1), value(2), value(3), value(4)};
}

inline QImage screenshot(const QRect& area) {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(area);
}

inline void click(QPoint at) {
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

inline QString activeWindow() {
    return xdotool({"getactivewindow"});
}

// What the window manager made of a window: "Normal" or "Iconic".
inline QString stateOf(const QString& window) {
    return run(QStringLiteral("xprop"), {"-id", window, "WM_STATE"})
        .section(QStringLiteral("window state: "), 1, 1)
        .section(u'\n', 0, 0);
}

} // namespace xwindows
