#!/usr/bin/env bash
# The built program in real X windows, driven from outside through xdotool as a user would. Run
# it in an X server of its own (scripts/with-xvfb.sh).
#   real-windows.sh PROGRAM            no window manager: About at its fixed place, at the whole
#                                      scaling QT_SCALE_FACTOR gives; a message holding every
#                                      window of the program; and the program going on after
#                                      Exit while About is open, until About is closed
#   real-windows.sh --windows COMMAND... the same for the Windows program that the command starts
#                                      under scripts/wine-run.sh, and what only Windows has: System
#                                      Info starting the program the registry names, and not
#                                      waiting for it
#   real-windows.sh --managed PROGRAM  under a window manager: Help and About brought back from the
#                                      minimised state and to the front, and About active again
#                                      after a message
#   real-windows.sh --front COMMAND... under a window manager, the program the command starts:
#                                      Help and About brought to the front from behind the main
#                                      window (for the Windows program under Wine, whose windows
#                                      the window manager cannot be asked to activate)
set -u
managed=false
front=false
windows=false
[ "$1" = --managed ] && managed=true && shift
[ "$1" = --windows ] && windows=true && shift
[ "$1" = --front ] && front=true && shift
scale=${QT_SCALE_FACTOR:-1}
failures=0

# WHAT COMMAND...: the command must come true within five seconds.
check() {
    local what=$1
    shift
    for _ in $(seq 50); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
}
# TITLE [SECONDS]: the visible window with that title, waited for up to ten seconds or as long as
# given. Searched for again and again: a search fails outright when a window it looks at is gone,
# as Wine's own passing windows are while it starts.
window() {
    local end=$((SECONDS + ${2:-10})) found
    while [ $SECONDS -lt $end ]; do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$found" ] && echo "$found" && return
        sleep 0.2
    done
}
shown() { [ "$(xdotool search --onlyvisible --name "^$1\$" | wc -l)" -eq "$2" ]; }
state() { xprop -id "$1" WM_STATE | grep -q "window state: $2"; }
active() { [ "$(xdotool getactivewindow)" = "$1" ]; }
at() { [ "$(xdotool getwindowgeometry --shell "$1" | grep -E '^[XY]=' | tr '\n' ' ')" = "X=$2 Y=$3 " ]; }
running() { kill -0 "$program"; }
# Topmost of the window manager's windows.
onTop() { [ $(($(xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}'))) = "$1" ]; }
ended() { ! kill -0 "$program"; }

"$@" &
program=$!
main=$(window Brintamo 90) # under Wine, after a new prefix is made, which takes a while
# A click at (x, y) twips in the main window's client area, which ends at its bottom edge.
click() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + $1 * scale / 15)) $((Y + HEIGHT - (7140 - $2) * scale / 15)) click 1
}
choose() { xdotool windowactivate --sync "$main" key --delay 200 "$@"; }

# Help and About, chosen again while the main window lies over them, come to the front.
toTheFront() {
    for item in "Help:alt+o Escape Right Return" "About Brintamo:alt+o a"; do
        title=${item%%:*}
        read -ra keys <<<"${item#*:}"
        choose "${keys[@]}"
        chosen=$(window "$title")
        xdotool windowactivate --sync "$main" # as a click on it does
        check "the main window over $title" onTop "$main"
        choose "${keys[@]}"
        check "$title chosen again comes to the front" onTop "$chosen"
    done
}
if $front; then
    toTheFront
    kill "$program"
    exit $((failures > 0))
fi

if ! $managed; then
    click 4000 3000
    xdotool key --delay 300 alt+o a
    about=$(window "About Brintamo")
    check "About at its fixed place" at "$about" $((156 * scale)) $((129 * scale))
    # A click at (x, y) pixels in About at the whole scaling.
    clickAbout() {
        eval "$(xdotool getwindowgeometry --shell "$about")"
        xdotool mousemove $((X + $1 * scale)) $((Y + $2 * scale)) click 1
    }
    click 2000 2900 # CALCULATE, the boxes empty
    check "the message over the windows" shown Brintamo 2
    # Into the screen's far corner, clear of what is clicked next: where it opens depends on
    # which window was active at the click.
    message=$(xdotool search --onlyvisible --name '^Brintamo$' | grep -vx "$main" | head -n 1)
    read -r right bottom < <(xdotool getdisplaygeometry)
    eval "$(xdotool getwindowgeometry --shell "$message")"
    xdotool windowmove "$message" $((right - WIDTH)) $((bottom - HEIGHT))
    clickAbout 325 171 # OK
    click 2000 2900
    sleep 1.5 # what the clicks would do, were they let through, is done by now
    check "About held while the message shows" shown "About Brintamo" 1
    check "the main window held while the message shows" shown Brintamo 2
    xdotool key Return
    check "the message answered" shown Brintamo 1
    # Wine's own msinfo32 stands in for the system-information program and stays open: the
    # program closing its windows below shows that it does not wait for it.
    if $windows; then
        wine=("${@:1:$#-1}") # the command with the program left out
        "${wine[@]}" reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /f \
            /d 'C:\windows\system32\msinfo32.exe' >/dev/null 2>&1
        clickAbout 325 203 # System Info...
        check "System Info starts the program the registry names" shown "About System Information" 1
        check "no message" shown Brintamo 1
    fi
    click 5130 7000
    xdotool key --delay 300 alt+o x
    check "Exit closes the main window" shown Brintamo 0
    sleep 0.5
    check "the program goes on while About is open" running
    clickAbout 325 171
    check "the program ends with About" ended
    exit $((failures > 0))
fi

for item in "Help:alt+o Escape Right Return" "About Brintamo:alt+o a"; do
    title=${item%%:*}
    read -ra keys <<<"${item#*:}"
    choose "${keys[@]}"
    chosen=$(window "$title")
    xdotool windowminimize --sync "$chosen"
    check "$title minimised" state "$chosen" Iconic
    choose "${keys[@]}"
    check "$title chosen again comes back" state "$chosen" Normal
    check "$title chosen again is active" active "$chosen"
    check "one $title" shown "$title" 1
    xdotool key alt+F4 # the window manager closes it
done
choose alt+o a
about=$(window "About Brintamo")
check "About active" active "$about"
xdotool key alt+s # no registry here: the message
check "System Info's message" shown Brintamo 2
xdotool key Return
check "the message gone" shown Brintamo 1
check "About active again after the message" active "$about"
xdotool key Escape
check "Escape closes About" shown "About Brintamo" 0
toTheFront
kill "$program"
exit $((failures > 0))
