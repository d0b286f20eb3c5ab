#!/usr/bin/env bash
# Start-up time to a visible window and resident memory one second later, for Brintamo and for a
# bare Qt window with the same controls, side by side under one Xvfb. Needs the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=build/release
cmake --build --preset release -j"$(nproc)" --target brintamo floor_window startup_probe >/dev/null
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c "
    $build/bench/startup_probe Floor $runs $build/bench/floor_window
    $build/bench/startup_probe Brintamo $runs $build/app/brintamo
"
