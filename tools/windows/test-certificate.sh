# A throw-away self-signed code-signing certificate, so that CI signs the
# Windows build and checks the signatures as a real certificate would have
# them. Sourced, not run.
#
#   make_test_certificate FOLDER   sets ZORNALIT_SIGN_PFX, ZORNALIT_SIGN_PASSWORD
#                                  and ZORNALIT_SIGN_CERT (the certificate to
#                                  check signatures against)
make_test_certificate() {
    local folder="$1" password
    mkdir -p "$folder"
    folder="$(cd "$folder" && pwd)"
    password="$(openssl rand -hex 16)"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -utf8 -subj "/CN=Зорналит, проверочная подпись" \
        -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
        -keyout "$folder/key.pem" -out "$folder/certificate.pem" 2>/dev/null \
        && openssl pkcs12 -export -inkey "$folder/key.pem" -in "$folder/certificate.pem" \
            -out "$folder/certificate.pfx" -passout "pass:$password" 2>/dev/null || {
        echo "openssl не смог сделать проверочный сертификат в «$folder»." >&2
        return 1
    }
    rm -f "$folder/key.pem"
    export ZORNALIT_SIGN_PFX="$folder/certificate.pfx" ZORNALIT_SIGN_PASSWORD="$password"
    export ZORNALIT_SIGN_CERT="$folder/certificate.pem"
}
