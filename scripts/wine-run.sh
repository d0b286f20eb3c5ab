#!/usr/bin/env bash
# Runs a Windows program under Wine, headless unless BRINTAMO_WINE_DISPLAY is set (then on the
# X display given), in a private prefix and home kept in the working folder. Exits 77 (a skipped
# test) only when Wine cannot start at all.
set -u
wine=/usr/lib/wine/wine64
export WINEPREFIX="$PWD/wine-prefix" HOME="$PWD/wine-home" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[ -n "${BRINTAMO_WINE_DISPLAY:-}" ] || unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
if ! "$wine" wineboot --init >wine-start.log 2>&1; then
    echo "*** SKIPPED: Wine cannot start here, so the Windows code did not run. Wine said:" >&2
    cat wine-start.log >&2
    exit 77
fi
exec "$wine" "$@"
