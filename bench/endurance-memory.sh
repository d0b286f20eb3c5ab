#!/usr/bin/env bash
# The real program's resident memory over many openings of the About box, by keyboard (Alt+O, A,
# then Escape), under Xvfb: after the first ten openings and after all of them. Needs the release
# build.   bench/endurance-memory.sh [OPENINGS]
set -euo pipefail
cd "$(dirname "$0")/.."
openings=${1:-1000}
cmake --build --preset release -j"$(nproc)" --target brintamo >/dev/null
scripts/with-xvfb.sh --screen 1024x768x24 bash -c '
    build/release/qt/brintamo & program=$!
    main=$(xdotool search --sync --onlyvisible --name "^Brintamo$" | head -n 1)
    resident() { awk "/VmRSS/ {print \$2}" /proc/$program/status; }
    open_and_close() {
        for _ in $(seq "$1"); do
            xdotool windowfocus --sync "$main" key alt+o a
            xdotool search --sync --onlyvisible --name "^About Brintamo$" >/dev/null
            xdotool key Escape
            while xdotool search --onlyvisible --name "^About Brintamo$" >/dev/null; do :; done
        done
    }
    open_and_close 10
    first=$(resident)
    open_and_close $(('"$openings"' - 10))
    last=$(resident)
    kill $program
    echo "resident after 10 openings of About: $first KiB; after '"$openings"': $last KiB" \
        "($((last - first)) KiB more)"'
