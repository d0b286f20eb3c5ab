#!/usr/bin/env bash
# Rewrites the reference pictures of the window tests from the current build, after a change to
# how a window looks that is meant. Review the changed PNGs like code before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"
BRINTAMO_UPDATE_REFERENCES=1 ctest --preset dev -R '^window_suite'
# The Windows windows, under Wine.
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
BRINTAMO_UPDATE_REFERENCES=1 ctest --preset windows -R '^window_suite'
git status --short -- '*.png'
