#!/usr/bin/env bash
# Makes a throwaway certificate authority, code-signing certificate and timestamp authority (on
# the loopback address), signs the Windows program, the NSIS installer and the MSI with the
# windows build's target `sign`, the certificate named by a relative path, and checks each
# signature and its timestamp against those authorities.   scripts/test-signing.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
work=$(mktemp -d)
authority=
trap 'rm -rf "$work"; [ -z "$authority" ] || kill "$authority"' EXIT
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
openssl req -newkey rsa:2048 -nodes -keyout stamper.key -out stamper.csr \
    -subj "/CN=Brintamo throwaway timestamp authority" 2>/dev/null
printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=critical,timeStamping\n' >stamper.ext
openssl x509 -req -in stamper.csr -CA authority.pem -CAkey authority.key -CAcreateserial \
    -out stamper.pem -days 2 -extfile stamper.ext 2>/dev/null
cat >stamper.cnf <<END
[tsa]
default_tsa = stamper
[stamper]
serial = $work/stamper.serial
signer_cert = $work/stamper.pem
certs = $work/authority.pem
signer_key = $work/stamper.key
signer_digest = sha256
default_policy = 1.3.6.1.4.1.99999.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_chain = no
ess_cert_id_alg = sha256
END
echo 01 >stamper.serial
coproc stamping { exec "$root/scripts/timestamp-authority.py" "$work/stamper.cnf"; }
authority=$stamping_PID
read -r port <&"${stamping[0]}"

cd "$root"
cp "$work/signer.p12" build/windows/signer-under-test.p12 # named relative to the source folder
BRINTAMO_SIGNING_CERT=build/windows/signer-under-test.p12 BRINTAMO_SIGNING_PASSWORD=$password \
    BRINTAMO_TIMESTAMP_URL=http://127.0.0.1:$port cmake --build --preset windows --target sign
rm build/windows/signer-under-test.p12
for file in win32/package/brintamo.exe installer/package/brintamo-installer-checks.dll \
    "brintamo-$version-setup.exe" "brintamo-$version.msi"; do
    if ! result=$(osslsigncode verify -CAfile "$work/authority.pem" -TSA-CAfile "$work/authority.pem" \
        -in "build/windows/$file" 2>&1) || ! grep -q "Signature verification: ok" <<<"$result" ||
        ! grep -q "Timestamp Server Signature verification: ok" <<<"$result"; then
        echo "*** the signature of $file does not verify with its timestamp:" >&2
        echo "$result" >&2
        exit 1
    fi
    echo "verified: $file, $(grep -m1 -o 'Subject: .*' <<<"$result"), timestamped" \
        "$(grep -m1 -o 'Timestamp time: .*' <<<"$result" | cut -d' ' -f3-)"
done
