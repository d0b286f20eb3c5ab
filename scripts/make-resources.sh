#!/usr/bin/env bash
# Makes the pictures and icons from their sources: the worked example from the program that draws
# it, the icons from their XPM pixel maps. Run after changing one, then commit what changed.
#   scripts/make-resources.sh [BUILD_DIR [OUTPUT_ROOT]]   (defaults: build/dev, this repository)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/dev}")
out=$(realpath "${2:-.}")
mkdir -p "$out/app/resources" "$out/info/resources"
export QT_QPA_PLATFORM=offscreen
"$build/info/make_help_picture" "$out/info/resources/help-example.bmp"
cd app/resources
"$build/app/make_icon" --png "$out/app/resources/brintamo.ico" \
    1:brintamo-32-mono.xpm 4:brintamo-32.xpm 4:brintamo-16.xpm
cd ../../info/resources
"$build/app/make_icon" "$out/info/resources/about.ico" 4:about-32.xpm
