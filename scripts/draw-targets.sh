#!/usr/bin/env bash
# Draws the project's libraries and programs and the links between them, from CMake's own view of
# the dev build, as docs/targets.png (and docs/targets.dot). Needs Graphviz (apt-get install
# graphviz).   scripts/draw-targets.sh
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/build"
cat > "$work/build/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GRAPH_NAME "Brintamo")
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS "brintamo_warnings;brintamo_appinfo;brintamo_memory_registry;gtest;gtest_main;.*_test;.*_resources_.*;.*benchmark;startup_probe;floor_window;make_.*")
OPTIONS
cmake --preset dev -B "$work/build" --graphviz="$work/targets.dot" >/dev/null
# The drawing only: no legend, a plain font.
sed -e '/subgraph clusterLegend/,/^}/d' -e 's/node \[/node [ fontname = "sans-serif"/' \
    "$work/targets.dot" > docs/targets.dot
dot -Tpng -Gdpi=80 docs/targets.dot -o docs/targets.png
echo "docs/targets.png"
