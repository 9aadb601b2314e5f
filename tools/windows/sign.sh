#!/usr/bin/env bash
# Signs Windows images in place with the certificate ZORNALIT_SIGN_PFX names
# (a PKCS#12 file) and its password ZORNALIT_SIGN_PASSWORD, with Debian's
# osslsigncode. No time stamp is asked for: it needs a time-stamp server on
# the network, and the build machines reach none. Without a time stamp a
# signature is valid only while its certificate is.
#
#   sign.sh FILE...
set -euo pipefail
pfx="${ZORNALIT_SIGN_PFX:?ZORNALIT_SIGN_PFX не задан: нечем подписывать}"
[ -f "$pfx" ] || { echo "Нет файла сертификата «$pfx» (ZORNALIT_SIGN_PFX)." >&2; exit 1; }
command -v osslsigncode >/dev/null 2>&1 || {
    echo "Нет osslsigncode: установите пакет Debian osslsigncode (tools/lib/packages.sh)." >&2
    exit 1
}
# The password goes through a file only we may read, not the command line
# that any process list shows; a certificate without one is read without.
password=()
if [ -n "${ZORNALIT_SIGN_PASSWORD:-}" ]; then
    password_file="$(mktemp)"
    trap 'rm -f "$password_file"' EXIT
    printf '%s' "$ZORNALIT_SIGN_PASSWORD" >"$password_file"
    password=(-readpass "$password_file")
fi
for file in "$@"; do
    osslsigncode sign -pkcs12 "$pfx" "${password[@]}" \
        -h sha256 -n "Зорналит" -in "$file" -out "$file.signed" >/dev/null || {
        rm -f "$file.signed"
        echo "Не удалось подписать «$file» сертификатом «$pfx»." >&2
        exit 1
    }
    mv "$file.signed" "$file"
done
