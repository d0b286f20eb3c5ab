#!/usr/bin/env bash
# The program under Wayland: weston (pixman, a socket of its own in a private runtime folder) in a
# window of the X server this runs in (scripts/with-xvfb.sh), which gives it a keyboard, unlike its
# headless backend, so that its windows become active; the program on it through Qt's Wayland
# plugin, never through X, driven over AT-SPI. Fails, never skips, when weston or the plugin is
# missing.   wayland-session.sh PROGRAM
set -u
program=$1
here=$(dirname "$0")
command -v weston >/dev/null || { echo "*** weston is not installed" >&2; exit 1; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=brintamo-test
trap 'kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; rm -rf "$runtime"' EXIT
# No animations: the screenshots are taken of windows at rest.
printf '[shell]\nanimation=none\nclose-animation=none\nstartup-animation=none\nfocus-animation=none\n' \
    >"$runtime/weston.ini"
weston --config="$runtime/weston.ini" --debug --backend=x11-backend.so --use-pixman \
    --socket="$WAYLAND_DISPLAY" --idle-time=0 --width=1024 --height=768 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 50); do [ -S "$runtime/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || { echo "*** weston did not start:" >&2; cat "$runtime/weston.log" >&2; exit 1; }
xdotool mousemove 1020 10 # the pointer on weston's panel, out of the screenshots' way
export QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
env -u DISPLAY dbus-run-session -- sh -c '
    "$1" & program=$!
    /usr/bin/python3 "$2/drive_session.py" "$(basename "$1")" "$3"; status=$?
    kill $program # Help is still open, as the session leaves it
    exit $status' wayland-session "$program" "$here" "$here/../windows/reference/qt"
