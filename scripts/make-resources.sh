#!/usr/bin/env bash
# Makes the pictures and icons from their sources: the worked example from the program that draws
# it, the icons from their XPM pixel maps. Run after changing one, then commit what changed.
#   scripts/make-resources.sh [BUILD_DIR [OUTPUT_ROOT]]   (defaults: build/dev, this repository)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/dev}")
out=$(realpath "${2:-.}")
mkdir -p "$out/forms/resources"
export QT_QPA_PLATFORM=offscreen
"$build/qt/make_help_picture" "$out/forms/resources/help-example.bmp"
cd forms/resources
"$build/qt/make_icon" --png "$out/forms/resources/brintamo.ico" \
    1:brintamo-32-mono.xpm 4:brintamo-32.xpm 4:brintamo-16.xpm
"$build/qt/make_icon" "$out/forms/resources/about.ico" 4:about-32.xpm
