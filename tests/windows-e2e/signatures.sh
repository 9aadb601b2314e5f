#!/usr/bin/env bash
# The signatures of a signed Windows build: our own programs, the sound
# module and the installer each carry one that checks out against the
# certificate ZORNALIT_SIGN_CERT; the Qt and MinGW DLLs are their makers'
# and carry none of ours. The installed uninstaller's is checked by
# installer.sh. Without ZORNALIT_SIGN_CERT there is nothing to check.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${ZORNALIT_WINDOWS_BUILD_DIR:-$here/../../build-windows}"
if [ -z "${ZORNALIT_SIGN_CERT:-}" ]; then
    echo "No ZORNALIT_SIGN_CERT: the build is not signed, no signature to check." >&2
    exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

root="$(cd "$here/../.." && pwd)"
source "$root/tools/windows/lib.sh"
version="$(build_version "$out/build")"
for image in "$out/program/zornalit.exe" "$out/program/zornalit-db.exe" "$out/program/zornalit-sound.dll" \
    "$out/zornalit-setup-$version-x64.exe"; do
    [ -f "$image" ] || fail "no $image"
    osslsigncode verify -CAfile "$ZORNALIT_SIGN_CERT" -in "$image" >"$work/verify.out" 2>&1 \
        || { cat "$work/verify.out" >&2; fail "$image carries no valid signature"; }
done
# A copied DLL is left as it comes.
if osslsigncode verify -CAfile "$ZORNALIT_SIGN_CERT" -in "$out/program/Qt6Core.dll" >/dev/null 2>&1; then
    fail "Qt6Core.dll was signed with our certificate"
fi
echo "Signatures of the Windows build: ok"
