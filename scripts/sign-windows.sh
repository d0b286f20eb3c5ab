#!/usr/bin/env bash
# Signs the Windows program, then makes and signs the NSIS installer and the MSI around the signed
# program (Authenticode, SHA-256), with the PKCS#12 file named by BRINTAMO_SIGNING_CERT and its
# password in BRINTAMO_SIGNING_PASSWORD. Run by the windows build's target `sign`.
#   scripts/sign-windows.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
: "${BRINTAMO_SIGNING_CERT:?names the PKCS#12 file to sign with}"
password=$(mktemp)
trap 'rm -f "$password"' EXIT
printf '%s' "${BRINTAMO_SIGNING_PASSWORD:-}" >"$password"

sign() {
    osslsigncode sign -pkcs12 "$BRINTAMO_SIGNING_CERT" -readpass "$password" -h sha256 \
        -n Brintamo -i https://www.example.com/ -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
    echo "signed $(basename "$1")"
}

cd "$build"
sign win32/package/brintamo.exe
rm -f brintamo-*-setup.exe && cpack -G NSIS >/dev/null
sign "brintamo-$version-setup.exe"
cmake --build . --target msi >/dev/null
sign "brintamo-$version.msi"
