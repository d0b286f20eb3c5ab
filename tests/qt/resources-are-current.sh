#!/usr/bin/env bash
# The committed pictures and icons are what their sources make today.
#   resources-are-current.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$source/scripts/make-resources.sh" "$build" "$work"
for file in forms/resources/{help-example.bmp,about.ico,brintamo.ico} \
    forms/resources/brintamo-{16,32,48,256}.png; do
    cmp "$work/$file" "$source/$file"
done
echo "the pictures and icons are current"
