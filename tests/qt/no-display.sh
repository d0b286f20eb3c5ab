#!/usr/bin/env bash
# Started with no display to open, the program says so in one line and ends with status 1.
#   no-display.sh PROGRAM
set -u
said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$1" 2>&1 >/dev/null)
status=$?
echo "status $status, said: $said"
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] &&
    [[ $said == "brintamo: cannot open a display: could not connect to display"* ]]
