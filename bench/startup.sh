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
    done" | bench/paired-medians.py
