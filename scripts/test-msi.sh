#!/usr/bin/env bash
# Builds the MSI from the windows preset's build and, with Wine's msiexec in a prefix of its own,
# installs an older version, upgrades it to this one, repairs a deleted program, is refused removal
# while the program runs, removes it and checks that nothing is left on disk or in the registry.
#   scripts/test-msi.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cmake --build --preset windows --target msi >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
work=build/windows/msi-test
rm -rf "$work" && mkdir -p "$work"
# The same package as an older version, to be upgraded.
wixl -a x64 -D Version=0.9.0 -D Program=build/windows/win32/package/brintamo.exe \
    -D Checks=build/windows/installer/package/brintamo-installer-checks.dll \
    -D Icon=forms/resources/brintamo.ico -D Licence=LICENSE -o "$work/brintamo-0.9.0.msi" \
    win32/brintamo.wxs
cp "build/windows/brintamo-$version.msi" "$work/"
cd "$work"
wine() { "$root/scripts/wine-run.sh" "$@"; }
wineserver() { WINEPREFIX=$PWD/wine-prefix /usr/lib/wine/wineserver "$@"; }
programs="wine-prefix/drive_c/Program Files/Brintamo"
# The shortcut is for all users; Wine's msiexec puts it in the user's own Start menu.
menus=("wine-prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brintamo"
    "wine-prefix/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Brintamo")
shortcut() { [ -f "${menus[0]}/Brintamo.lnk" ] || [ -f "${menus[1]}/Brintamo.lnk" ]; }
fail() { echo "*** $*" >&2; exit 1; }
# The installed products' names and versions, as the list of installed programs shows them.
entries() {
    wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' uninstall.reg /y \
        >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 uninstall.reg | tr -d '\r' |
        grep -A20 '"DisplayName"="Brintamo"' | grep -o '"DisplayVersion"="[^"]*"' || true
}
msiexec() { wine msiexec "$@" /qn && wineserver -w; }

msiexec /i brintamo-0.9.0.msi
[ -f "$programs/brintamo.exe" ] && [ -f "$programs/LICENSE.txt" ] && shortcut ||
    fail "the MSI did not install the program, its licence and its shortcut"
[ "$(entries)" = '"DisplayVersion"="0.9.0"' ] || fail "installed programs: $(entries)"
wine reg query 'HKLM\Software\The Brintamo developers\Brintamo' /v MenuShortcut >/dev/null 2>&1 &&
    ! wine reg query 'HKCU\Software\The Brintamo developers' >/dev/null 2>&1 ||
    fail "the shortcut's key path is not the machine's own"
echo "msi: 0.9.0 installed: the program, its licence and the Start-menu shortcut"

msiexec /i "brintamo-$version.msi"
[ "$(entries)" = "\"DisplayVersion\"=\"$version\"" ] || fail "after the upgrade: $(entries)"
echo "msi: upgraded to $version, one entry among the installed programs"

rm "$programs/brintamo.exe"
# A repair, as /fa asks for it; Wine's msiexec knows only the property form.
msiexec /i "brintamo-$version.msi" REINSTALL=ALL REINSTALLMODE=amus
[ -f "$programs/brintamo.exe" ] || fail "the repair did not bring the program back"
echo "msi: repaired a deleted program"

# While the installed program runs, removing the package is refused with its reason, and nothing
# is changed: a running program's file can be neither removed nor replaced.
BRINTAMO_WINE_DISPLAY=1 "$root/scripts/with-xvfb.sh" sh -c '
    "$1" "$2" & started=$!
    timeout 60 xdotool search --sync --onlyvisible --name "^Brintamo\$" >/dev/null || exit 10
    "$1" msiexec /x "$3" /qn /l*v refused.log && exit 11
    WINEPREFIX=$PWD/wine-prefix /usr/lib/wine/wineserver -k; wait $started
    exit 0' running "$root/scripts/wine-run.sh" "C:\\Program Files\\Brintamo\\brintamo.exe" \
    "brintamo-$version.msi" || {
    status=$?
    [ $status -eq 11 ] && fail "the MSI removed a running program and said it succeeded"
    fail "the installed program showed no window ($status)"
}
grep -aq "Brintamo is running. Close it, then try again." refused.log ||
    fail "the refusal gave no reason"
[ -f "$programs/brintamo.exe" ] && [ -f "$programs/LICENSE.txt" ] && shortcut &&
    [ "$(entries)" = "\"DisplayVersion\"=\"$version\"" ] || fail "the refused removal changed something"
echo "msi: removal refused while the program ran, with its reason; nothing changed"

msiexec /x "brintamo-$version.msi"
[ ! -e "$programs" ] && [ ! -e "${menus[0]}" ] && [ ! -e "${menus[1]}" ] ||
    fail "left behind: $(find "$programs" "${menus[@]}" 2>/dev/null)"
[ -z "$(entries)" ] || fail "still among the installed programs: $(entries)"
if wine reg query 'HKLM\Software\The Brintamo developers' >/dev/null 2>&1; then
    fail "left behind in the registry: HKLM\\Software\\The Brintamo developers"
fi
echo "msi: removed, nothing left on disk or in the registry"
