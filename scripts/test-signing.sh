#!/usr/bin/env bash
# Makes a throwaway certificate authority and code-signing certificate, signs the Windows program,
# the NSIS installer and the MSI with the windows build's target `sign`, and checks each
# signature against that authority.   scripts/test-signing.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
openssl req -x509 -newkey rsa:2048 -nodes -keyout authority.key -out authority.pem -days 2 \
    -subj "/CN=Brintamo throwaway test authority" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr \
    -subj "/CN=The Brintamo developers" 2>/dev/null
printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
openssl x509 -req -in signer.csr -CA authority.pem -CAkey authority.key -CAcreateserial \
    -out signer.pem -days 2 -extfile signer.ext 2>/dev/null
openssl pkcs12 -export -out signer.p12 -inkey signer.key -in signer.pem -passout "pass:$password"

cd "$root"
BRINTAMO_SIGNING_CERT=$work/signer.p12 BRINTAMO_SIGNING_PASSWORD=$password \
    cmake --build --preset windows --target sign
for file in win32/package/brintamo.exe "brintamo-$version-setup.exe" "brintamo-$version.msi"; do
    if ! result=$(osslsigncode verify -CAfile "$work/authority.pem" -in "build/windows/$file" 2>&1) ||
        ! grep -q "Signature verification: ok" <<<"$result"; then
        echo "*** the signature of $file does not verify:" >&2
        echo "$result" >&2
        exit 1
    fi
    echo "verified: $file, $(grep -m1 -o 'Subject: .*' <<<"$result")"
done
