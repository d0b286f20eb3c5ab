#!/usr/bin/env bash
# Builds the Debian package, installs it into this machine, checks the installed desktop entry and
# metadata, starts the installed program under Xvfb until its window shows, and removes the
# package again.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

cmake --preset release
cmake --build --preset release -j"$(nproc)"
rm -f build/release/brintamo_*.deb
(cd build/release && cpack -G DEB)
deb=$(echo "$PWD"/build/release/brintamo_*.deb)
dpkg-deb --field "$deb" Depends
[ "$(dpkg-deb --field "$deb" Recommends)" = qt6-wayland ] ||
    { echo "*** the package does not recommend qt6-wayland" >&2; exit 1; }
# Debian's own checks: an error or a warning fails the test.
lintian --pedantic -I --fail-on error,warning "$deb"

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
trap '"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y brintamo' EXIT
desktop-file-validate /usr/share/applications/brintamo.desktop
appstreamcli validate --no-net /usr/share/metainfo/com.example.brintamo.metainfo.xml
echo "installed size: $(dpkg-query -W -f='${Installed-Size}' brintamo) KiB"
scripts/with-xvfb.sh sh -c '/usr/bin/brintamo & program=$!
    timeout 30 xdotool search --sync --onlyvisible --name "^Brintamo\$" >/dev/null; shown=$?
    kill $program; exit $shown'
echo "the installed program showed its window"
