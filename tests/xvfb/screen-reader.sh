#!/usr/bin/env bash
# Starts the program in an X server of its own with the accessibility bus on, reads back what a
# screen reader hears, then ends the program as a user would (Options, Exit), so that it ends
# normally and the sanitizer build checks it for leaks.   screen-reader.sh PROGRAM
set -u
here=$(dirname "$0")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec "$here/../../scripts/with-xvfb.sh" dbus-run-session -- sh -c '
    "$1" & program=$!
    /usr/bin/python3 "$2/accessible_names.py" "$(basename "$1")"; status=$?
    xdotool search --sync --onlyvisible --name "^Brintamo\$" windowfocus --sync \
        key --delay 300 alt+o x
    wait $program || status=$?
    exit $status' screen-reader "$1" "$here"
