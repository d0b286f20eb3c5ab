#!/usr/bin/env bash
# Installs what is needed, builds Brintamo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)" --target brintamo
exec build/release/qt/brintamo "$@"
