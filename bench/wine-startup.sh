#!/usr/bin/env bash
# Start-up time of the Windows program under Wine to its visible window, and its resident memory
# one second later: the build's program and the stripped one the installers take, next to a bare
# Win32 window with the same controls that imports only kernel32, user32, gdi32 and the C runtime
# (bare_window), started in turn under one Xvfb and one Wine server after a run of each that
# warms Wine up; the medians and the medians of the paired ratios, and the Windows build's file
# sizes beside. Needs the windows and release presets.
#   bench/wine-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
root=$PWD
cmake --build --preset release -j"$(nproc)" --target startup_probe >/dev/null
cmake --build --preset windows -j"$(nproc)" --target brintamo packaged_program bare_window >/dev/null
work=build/windows/startup
mkdir -p "$work" && cd "$work"
export WINEPREFIX=$PWD/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w # gone, so that the runs' server has the display
probe=$root/build/release/bench/startup_probe
# One Wine server and its services for all runs, so that each start measures the program.
# Each round starts the three in another order, so that none always follows the same one.
"$root/scripts/with-xvfb.sh" --screen 1024x768x24 bash -c "
    /usr/lib/wine/wineserver -p
    start() {
        case \$1 in
        0) $probe Brintamo 1 /usr/lib/wine/wine64 $root/build/windows/win32/brintamo.exe ;;
        1) $probe Floor 1 /usr/lib/wine/wine64 $root/build/windows/bench/bare_window.exe ;;
        2) $probe Brintamo 1 /usr/lib/wine/wine64 $root/build/windows/win32/package/brintamo.exe |
            sed 's/^Brintamo /Installed/' ;;
        esac
    }
    for run in \$(seq 0 $runs); do
        for slot in 0 1 2; do start \$(((run + slot) % 3)); done
    done
    /usr/lib/wine/wineserver -k" | tail -n $((3 * runs)) | "$root/bench/paired-medians.py"
cd "$root/build/windows"
rm -f brintamo-*-setup.exe && cpack -G NSIS >/dev/null
echo "brintamo.exe as installed: $(($(stat -c %s _CPack_Packages/win64/NSIS/*/brintamo.exe) / 1024)) KiB;" \
    "installer: $(($(stat -c %s brintamo-*-setup.exe) / 1024)) KiB"
