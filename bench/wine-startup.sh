#!/usr/bin/env bash
# Start-up time of the Windows program under Wine to its visible window, and its resident memory
# one second later, on Xvfb, after one run that warms Wine up; the Windows build's file sizes
# beside. Needs the windows preset's build.   bench/wine-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
root=$PWD
cmake --build --preset release -j"$(nproc)" --target startup_probe >/dev/null
cmake --build --preset windows -j"$(nproc)" --target brintamo >/dev/null
work=build/windows/startup
mkdir -p "$work" && cd "$work"
export WINEPREFIX=$PWD/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
"$root/scripts/with-xvfb.sh" --screen 1024x768x24 bash -c "
    for run in \$(seq $((runs + 1))); do
        $root/build/release/bench/startup_probe Brintamo 1 /usr/lib/wine/wine64 \
            $root/build/windows/win32/brintamo.exe
        /usr/lib/wine/wineserver -k 2>/dev/null || true
    done" | tail -n "$runs" | /usr/bin/python3 -c '
import statistics, sys
runs = [(float(w[3]), float(w[6])) for w in (line.split() for line in sys.stdin)]
print(f"Brintamo for Windows under Wine: visible after {statistics.median(r[0] for r in runs):.0f} ms, "
      f"resident {statistics.median(r[1] for r in runs):.1f} MB (median of {len(runs)})")'
cd "$root/build/windows"
rm -f brintamo-*-setup.exe && cpack -G NSIS >/dev/null
echo "brintamo.exe as installed: $(($(stat -c %s _CPack_Packages/win64/NSIS/*/brintamo.exe) / 1024)) KiB;" \
    "installer: $(($(stat -c %s brintamo-*-setup.exe) / 1024)) KiB"
