#!/usr/bin/env bash
# Started where no window can be made, the program says so in one line on the standard error
# stream and ends with status 1, on Linux and on Windows alike.
#   no-display.sh COMMAND...   (a command that starts the program without a display)
set -u
said=$("$@" 2>&1 >/dev/null)
status=$?
[ "$status" -ne 77 ] || exit 77 # Wine could not start at all, and said so
echo "status $status, said: $said"
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] &&
    [[ $said == "brintamo: cannot open "* ]]
