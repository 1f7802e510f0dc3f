#!/bin/sh
# test-certificate.sh DIR
# A throw-away, self-signed code-signing certificate as an operator would
# hand it over: DIR/operator.p12 with its password in DIR/password.txt, and
# DIR/certificate.pem to trust it when verifying.  Its subject is
# "/CN=Vellmark Test Operator/O=Zentavo Test".
set -eu
dir=$1
mkdir -p "$dir"
printf 'correct horse battery staple\n' >"$dir/password.txt"
openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Vellmark Test Operator/O=Zentavo Test" \
    -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
    -keyout "$dir/key.pem" -out "$dir/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/certificate.pem" -out "$dir/operator.p12" \
    -passout "file:$dir/password.txt"
rm -f "$dir/key.pem"
