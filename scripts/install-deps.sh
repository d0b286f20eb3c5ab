#!/usr/bin/env bash
# Installs the Debian packages Brintamo needs to build, run and test.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libboost-dev
    # fonts the windows are drawn with
    fontconfig fonts-wine fonts-liberation2
    # tests, benchmarks, fuzzing and formatting
    libbenchmark-dev clang libclang-rt-14-dev clang-format xvfb xauth xdotool x11-utils
    # the package, its desktop entry and metadata, and the screen-reader check
    dpkg-dev file desktop-file-utils appstream at-spi2-core dbus python3-pyatspi
    # the Wayland session: a compositor and Qt's Wayland plugin
    weston qt6-wayland
)
# The Windows build, its installers (NSIS and MSI), their signing and their tests under Wine, the
# window manager the real windows are also tested under, and Debian's package checker; their
# recommendations add a gigabyte for nothing.
windows_packages=(g++-mingw-w64-x86-64-posix wine64 nsis wixl osslsigncode openssl openbox lintian)

missing() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            echo "$package"
    done
}
mapfile -t missing_packages < <(missing "${packages[@]}")
mapfile -t missing_windows_packages < <(missing "${windows_packages[@]}")
[ $((${#missing_packages[@]} + ${#missing_windows_packages[@]})) -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
install=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y)
"${sudo[@]}" apt-get update
[ ${#missing_packages[@]} -eq 0 ] || "${install[@]}" "${missing_packages[@]}"
[ ${#missing_windows_packages[@]} -eq 0 ] ||
    "${install[@]}" --no-install-recommends "${missing_windows_packages[@]}"
