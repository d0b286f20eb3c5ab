#!/usr/bin/env bash
# Reads the PE headers of the Windows program as built and fails when a hardening flag is
# missing: ASLR with high entropy, DEP, terminal-server awareness, stack protection, fortified
# library calls, and a manifest that asks for no more than the user's rights.
#   scripts/check-hardening.sh [build/windows/win32/brintamo.exe]
set -euo pipefail
program=${1:-build/windows/win32/brintamo.exe}
headers=$(x86_64-w64-mingw32-objdump -p "$program")
symbols=$(x86_64-w64-mingw32-nm "$program")
missing=()
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
    grep -qw "$flag" <<<"$headers" || missing+=("$flag")
done
grep -q "relocations stripped" <<<"$headers" && missing+=("relocations, without which ASLR is void")
grep -qw __stack_chk_fail <<<"$symbols" || missing+=("stack protection (__stack_chk_fail)")
grep -Eqw '__(memcpy|strcpy|strcat|memset|sprintf|vsnprintf)_chk|__chk_fail' <<<"$symbols" ||
    missing+=("fortified library calls (__*_chk)")
# The manifest is kept as plain text among the resources.
for text in 'requestedExecutionLevel level="asInvoker"' '<supportedOS Id='; do
    grep -aqF "$text" "$program" || missing+=("manifest: $text")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "*** $program lacks:" >&2
    printf '      %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "$(basename "$program"): $(grep -E '^DllCharacteristics' <<<"$headers" | awk '{print $2}')" \
    "(high-entropy ASLR, DEP, terminal-server aware), relocations kept, stack protection," \
    "fortified calls, manifest asInvoker with supportedOS"
