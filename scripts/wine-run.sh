#!/usr/bin/env bash
# Runs a Windows program under Wine, headless unless BRINTAMO_WINE_DISPLAY is set (then on the
# X display given), in a private prefix and home: in the working folder when that lies in a build
# folder (each test folder has its own), else in the user's cache, never in the sources. Exits 77
# (a skipped test) only when Wine cannot start at all.
set -u
wine=/usr/lib/wine/wine64
build=$PWD
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
state=$PWD
[ -f "$build/CMakeCache.txt" ] || state=${XDG_CACHE_HOME:-$HOME/.cache}/brintamo/wine
mkdir -p "$state/wine-home"
export WINEPREFIX="$state/wine-prefix" HOME="$state/wine-home" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[ -n "${BRINTAMO_WINE_DISPLAY:-}" ] || unset DISPLAY WAYLAND_DISPLAY
if ! "$wine" wineboot --init >"$state/wine-start.log" 2>&1; then
    echo "*** SKIPPED: Wine cannot start here, so the Windows code did not run. Wine said:" >&2
    cat "$state/wine-start.log" >&2
    exit 77
fi
# Windows keeps MS Sans Serif, the bitmap font the windows are made with, in its Fonts folder;
# Debian's Wine has the file but does not load it from where it lies.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -f "$fonts/sserife.fon" ] || cp /usr/share/wine/fonts/sserife.fon "$fonts/"
# The colours a user sets in the Control Panel, for a run under a scheme of its own:
# BRINTAMO_SYSTEM_COLOURS holds "Name=RRGGBB" pairs, blanks between.
for colour in ${BRINTAMO_SYSTEM_COLOURS:-}; do
    rgb=${colour#*=}
    "$wine" reg add 'HKCU\Control Panel\Colors' /v "${colour%%=*}" /f \
        /d "$((16#${rgb:0:2})) $((16#${rgb:2:2})) $((16#${rgb:4:2}))" >/dev/null 2>&1
done
# A session reads the colours once, when it starts: so a new one, as after logging on again.
[ -z "${BRINTAMO_SYSTEM_COLOURS:-}" ] || /usr/lib/wine/wineserver -k
exec "$wine" "$@"
