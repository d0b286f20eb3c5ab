#!/usr/bin/env bash
# Starts the program in an X server of its own with the accessibility bus on, and reads back what a
# screen reader hears.   screen-reader.sh PROGRAM
set -u
here=$(dirname "$0")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec xvfb-run --auto-servernum dbus-run-session -- sh -c '
    "$1" & program=$!
    /usr/bin/python3 "$2/accessible_names.py" "$(basename "$1")"; status=$?
    kill $program
    exit $status' screen-reader "$1" "$here"
