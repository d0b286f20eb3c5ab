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
[ ! -e "$menu/Uninstall.lnk" ] || { echo "*** an Uninstall shortcut in the Start menu" >&2; exit 1; }
echo "installed: the program, its licence, the uninstaller and the Start-menu shortcut, no Uninstall shortcut"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brintamo'
vendor_key='HKLM\Software\The Brintamo developers'
entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
for value in 'DisplayIcon +REG_SZ +C:\\Program Files\\Brintamo\\brintamo.exe$' \
    'DisplayVersion +REG_SZ +1\.0\.0$' 'Publisher +REG_SZ +The Brintamo developers$' \
    'EstimatedSize +REG_DWORD +0x[0-9a-f]*[1-9a-f][0-9a-f]*$'; do
    grep -Eq "^ +$value" <<<"$entry" || {
        echo "*** the entry among installed programs lacks: $value" >&2
        echo "$entry" >&2
        exit 1
    }
done
echo "the entry among installed programs:" $(grep -E 'DisplayIcon|DisplayVersion|Publisher|EstimatedSize' <<<"$entry" | tr -s ' ')
wine reg query "$vendor_key" >/dev/null 2>&1 || { echo "*** no key $vendor_key after installing" >&2; exit 1; }

# While the installed program runs, the uninstaller refuses and removes nothing. It runs in place
# (_?=, which takes no quotes, so the folder's short name, as Wine makes it) so that its own exit
# status is seen, not that of the copy it would otherwise start.
short=$(wine cmd /c dir /x 'C:\' | tr -d '\r' | awk '/ Program Files$/ {print $(NF-2)}')
BRINTAMO_WINE_DISPLAY=1 "$root/scripts/with-xvfb.sh" sh -c '
    "$1" "$2" & started=$!
    timeout 60 xdotool search --sync --onlyvisible --name "^Brintamo\$" >/dev/null || exit 10
    "$1" "$3" /S "_?=C:\\$4\\Brintamo" && exit 11
    WINEPREFIX=$PWD/wine-prefix /usr/lib/wine/wineserver -k; wait $started
    exit 0' installed "$root/scripts/wine-run.sh" "C:\\Program Files\\Brintamo\\brintamo.exe" \
    "C:\\Program Files\\Brintamo\\Uninstall.exe" "$short" || {
    status=$?
    [ $status -eq 11 ] && echo "*** the uninstaller removed a running program" >&2
    [ $status -eq 10 ] && echo "*** the installed program showed no window" >&2
    exit 1
}
[ -f "$programs/brintamo.exe" ] && wine reg query "$uninstall_key" >/dev/null 2>&1 ||
    { echo "*** the refused uninstall removed something" >&2; exit 1; }
echo "the installed program showed its window; the uninstaller refused while it ran and removed nothing"

wine "C:\\Program Files\\Brintamo\\Uninstall.exe" /S
wineserver -w # the uninstaller finishes from a copy of itself
if [ -e "$programs" ] || [ -e "$menu" ]; then
    echo "*** left behind after uninstalling:" >&2
    find "$programs" "$menu" >&2 2>/dev/null || true
    exit 1
fi
for key in "$uninstall_key" "$vendor_key"; do
    if wine reg query "$key" >/dev/null 2>&1; then
        echo "*** left behind in the registry after uninstalling: $key" >&2
        exit 1
    fi
done
echo "uninstalled: nothing left behind, on disk or in the registry"

# Installed into a nested new folder inside one that was there, and upgraded there (the old
# uninstaller runs first), it removes what it made and keeps what was there. (/D= takes no
# quotes, and Wine quotes an argument with blanks.)
mkdir -p "wine-prefix/drive_c/Kept"
for install in first upgrade; do
    wine "$installer" /S "/D=C:\\Kept\\MadeForIt\\Brintamo"
    wineserver -w
done
[ -f "wine-prefix/drive_c/Kept/MadeForIt/Brintamo/brintamo.exe" ] ||
    { echo "*** not installed into a nested new folder" >&2; exit 1; }
wine "C:\\Kept\\MadeForIt\\Brintamo\\Uninstall.exe" /S
wineserver -w
if [ -e "wine-prefix/drive_c/Kept/MadeForIt" ] || [ ! -d "wine-prefix/drive_c/Kept" ]; then
    echo "*** after uninstalling from a nested new folder, C:\\Kept holds:" >&2
    find "wine-prefix/drive_c/Kept" >&2 2>/dev/null || echo "(it is gone)" >&2
    exit 1
fi
echo "installed into a nested new folder and upgraded there, then uninstalled: the folders it made are gone, the one that was there kept"
