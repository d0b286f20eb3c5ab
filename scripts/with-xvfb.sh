#!/usr/bin/env bash
# Runs a command in an X server of its own, on a display number that the server picks itself, so
# that runs side by side never meet; optionally under the Openbox window manager.
#   with-xvfb.sh [--window-manager] [--screen WIDTHxHEIGHTxDEPTH] COMMAND [ARGUMENT...]
set -euo pipefail
screen=1280x1024x24
manager=false
while [ $# -gt 0 ]; do
    case $1 in
    --window-manager) manager=true ;;
    --screen) screen=$2 && shift ;;
    *) break ;;
    esac
    shift
done

work=$(mktemp -d)
pids=()
cleanup() {
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

waitFor() { # FILE WHAT LOG
    for _ in $(seq 200); do
        [ -s "$1" ] && return 0
        sleep 0.05
    done
    echo "with-xvfb.sh: $2 did not start: $(cat "$3" 2>/dev/null)" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
waitFor "$work/display" Xvfb "$work/xvfb.log"
export DISPLAY=:$(cat "$work/display")
unset WAYLAND_DISPLAY

if $manager; then
    # Its start-up command runs once it manages the screen.
    openbox --sm-disable --startup "cp $work/display $work/manager" >"$work/openbox.log" 2>&1 &
    pids+=($!)
    waitFor "$work/manager" Openbox "$work/openbox.log"
fi

"$@"
