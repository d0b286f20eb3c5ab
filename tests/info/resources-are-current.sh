#!/usr/bin/env bash
# The committed picture and icon files are what their generators draw today.
#   resources-are-current.sh MAKE_HELP_PICTURE MAKE_ICON SOURCE_DIR
set -euo pipefail
make_help_picture=$1 make_icon=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make_help_picture" "$work/help-example.bmp"
cmp "$work/help-example.bmp" "$source/info/resources/help-example.bmp"
cd "$source/app/resources"
"$make_icon" --png "$work/brintamo.ico" 1:brintamo-32-mono.xpm 4:brintamo-32.xpm 4:brintamo-16.xpm
for file in brintamo.ico brintamo-32.png brintamo-16.png; do
    cmp "$work/$file" "$file"
done
cd "$source/info/resources"
"$make_icon" "$work/about.ico" 4:about-32.xpm
cmp "$work/about.ico" about.ico
echo "the picture and the icon files are current"
