#!/usr/bin/env bash
# Start-up time to a visible window and resident memory one second later, for Brintamo and for a
# bare Qt window with the same controls, started in turn under one Xvfb so that each pair shares
# the machine's state. Prints the medians and the median of the paired ratios. Needs the release
# build.   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=build/release
cmake --build --preset release -j"$(nproc)" --target brintamo floor_window startup_probe >/dev/null
scripts/with-xvfb.sh --screen 1024x768x24 bash -c "
    for run in \$(seq $runs); do
        $build/bench/startup_probe Floor 1 $build/bench/floor_window
        $build/bench/startup_probe Brintamo 1 $build/qt/brintamo
    done" | /usr/bin/python3 -c '
import statistics, sys
runs = {"Floor": [], "Brintamo": []}
for line in sys.stdin:
    words = line.split()
    runs[words[0]].append((float(words[3]), float(words[6])))
for name, measured in runs.items():
    print(f"{name:9} visible after {statistics.median(m[0] for m in measured):6.1f} ms, "
          f"resident {statistics.median(m[1] for m in measured):5.1f} MB")
pairs = list(zip(runs["Brintamo"], runs["Floor"]))
print(f"paired, median of {len(pairs)}: time x{statistics.median(b[0] / f[0] for b, f in pairs):.2f}, "
      f"memory +{statistics.median(b[1] - f[1] for b, f in pairs):.1f} MB")'
