#!/usr/bin/env bash
# Turns CHANGELOG.md into a Debian changelog: one entry per "## VERSION (DATE)" heading, its
# "- " notes as items.   make-changelog.sh CHANGELOG.md PACKAGE MAINTAINER > changelog
set -euo pipefail
awk -v package="$2" -v maintainer="$3" '
    function close_entry() {
        if (version != "") {
            printf "\n -- %s  %s\n\n", maintainer, date
        }
    }
    /^## / {
        close_entry()
        version = $2
        day = $3
        gsub(/[()]/, "", day)
        ("date -R -u -d " day) | getline date
        printf "%s (%s) unstable; urgency=medium\n\n", package, version
        next
    }
    /^- / { sub(/^- /, "  * "); print; next }
    /^  / && version != "" { sub(/^  /, "    "); print }
    END { close_entry() }
' "$1"
