#!/usr/bin/env bash
# Builds the Windows installer from the windows preset's build, installs it silently into a Wine
# prefix of its own, starts the installed program until its window shows, uninstalls it silently
# and checks that nothing is left behind.   scripts/test-installer.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
(cd build/windows && rm -f brintamo-*-setup.exe && cpack -G NSIS >/dev/null)
installer=$(echo "$root"/build/windows/brintamo-*-setup.exe)
echo "installer: $(basename "$installer"), $(($(stat -c %s "$installer") / 1024)) KiB"

work=build/windows/installer-test
rm -rf "$work" && mkdir -p "$work" && cd "$work"
wine() { "$root/scripts/wine-run.sh" "$@"; }
# Wine's processes end with each step: one started without a display would keep the next
# step's windows off the screen.
wineserver() { WINEPREFIX=$PWD/wine-prefix /usr/lib/wine/wineserver "$@"; }
programs="wine-prefix/drive_c/Program Files/Brintamo"
menu="wine-prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brintamo"

wine "$installer" /S
wineserver -w
for file in "$programs/brintamo.exe" "$programs/Uninstall.exe" "$programs/LICENSE.txt" \
    "$menu/Brintamo.lnk"; do
    [ -f "$file" ] || { echo "*** not installed: $file" >&2; exit 1; }
done
echo "installed: the program, its licence, the uninstaller and the Start-menu shortcut"

BRINTAMO_WINE_DISPLAY=1 "$root/scripts/with-xvfb.sh" sh -c '
    "$1" "$2" & started=$!
    timeout 60 xdotool search --sync --onlyvisible --name "^Brintamo\$" >/dev/null; shown=$?
    WINEPREFIX=$PWD/wine-prefix /usr/lib/wine/wineserver -k; wait $started
    exit $shown' installed "$root/scripts/wine-run.sh" "C:\\Program Files\\Brintamo\\brintamo.exe"
echo "the installed program showed its window"

wine "C:\\Program Files\\Brintamo\\Uninstall.exe" /S
wineserver -w # the uninstaller finishes from a copy of itself
if [ -e "$programs" ] || [ -e "$menu" ]; then
    echo "*** left behind after uninstalling:" >&2
    find "$programs" "$menu" >&2 2>/dev/null || true
    exit 1
fi
echo "uninstalled: nothing left behind"
