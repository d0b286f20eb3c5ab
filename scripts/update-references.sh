#!/usr/bin/env bash
# Rewrites the reference pictures of the window tests from the current build, after a change to
# how a window looks that is meant. Review the changed PNGs like code before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"
BRINTAMO_UPDATE_REFERENCES=1 ctest --preset dev -R '_test' -E real_window
# The Windows windows, under Wine.
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
BRINTAMO_UPDATE_REFERENCES=1 ctest --preset windows -R '^(window|black_box)_test$'
git status --short -- '*.png'
