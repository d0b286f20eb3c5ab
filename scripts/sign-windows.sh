#!/usr/bin/env bash
# Signs the Windows program and the installers' check, then makes and signs the NSIS installer and the MSI around the signed
# program (Authenticode, SHA-256), with the PKCS#12 file named by BRINTAMO_SIGNING_CERT (relative
# to the folder the script starts in) and its password in BRINTAMO_SIGNING_PASSWORD. With an
# RFC 3161 timestamp server in BRINTAMO_TIMESTAMP_URL, each signature is timestamped, so that
# Windows trusts it after the certificate expires. Run by the windows build's target `sign`,
# from the source folder.
#   scripts/sign-windows.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
: "${BRINTAMO_SIGNING_CERT:?names the PKCS#12 file to sign with}"
certificate=$(realpath -- "$BRINTAMO_SIGNING_CERT")
timestamp=()
if [ -n "${BRINTAMO_TIMESTAMP_URL:-}" ]; then
    timestamp=(-ts "$BRINTAMO_TIMESTAMP_URL")
else
    echo "note: no timestamp server in BRINTAMO_TIMESTAMP_URL, so the signatures are not" \
        "timestamped and Windows stops trusting them when the certificate expires" >&2
fi
password=$(mktemp)
trap 'rm -f "$password"' EXIT
printf '%s' "${BRINTAMO_SIGNING_PASSWORD:-}" >"$password"

sign() {
    osslsigncode sign -pkcs12 "$certificate" -readpass "$password" -h sha256 "${timestamp[@]}" \
        -n Brintamo -i https://www.example.com/ -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
    echo "signed $(basename "$1")"
}

cd "$build"
sign win32/package/brintamo.exe
sign installer/package/brintamo-installer-checks.dll
rm -f brintamo-*-setup.exe && cpack -G NSIS >/dev/null
sign "brintamo-$version-setup.exe"
cmake --build . --target msi >/dev/null
sign "brintamo-$version.msi"
