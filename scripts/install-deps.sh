#!/usr/bin/env bash
# Installs the Debian packages Brintamo needs to build, run and test.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libboost-dev
    # fonts the windows are drawn with
    fontconfig fonts-wine fonts-liberation2
    # tests, benchmarks, fuzzing and formatting
    libbenchmark-dev clang libclang-rt-14-dev clang-format xvfb xauth xdotool
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
