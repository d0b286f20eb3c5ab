#!/usr/bin/env bash
# The command line: --help and --version print and end with status 0 without a display; an
# unknown option is refused with status 1 once Qt has taken its own options, on any platform.
#   command-line.sh PROGRAM
set -u
program=$1
failures=0
expect() { # status, pattern, arguments...
    local status=$1 pattern=$2
    shift 2
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=${platform:-xcb} "$program" "$@" 2>&1)
    got=$?
    if [ "$got" -ne "$status" ] || ! grep -qE "$pattern" <<<"$said"; then
        echo "brintamo $*: status $got, said: $said"
        failures=$((failures + 1))
    fi
}
expect 0 '^Usage: .*brintamo \[options\]$' --help
expect 0 '^  -v, --version +Displays version information\.$' -h
expect 0 '^brintamo 1\.[0-9]+\.[0-9]+$' --version
platform=offscreen expect 1 "Unknown option 'frobnicate'\.$" --frobnicate
[ "$failures" -eq 0 ]
