#!/bin/sh
# signing.sh SOURCE TREE WORK LAUNCHER DRIVER
#
# tools/sign with a throw-away self-signed certificate: the signed copy of
# this tree's launcher verifies against that certificate and names its
# subject, Wine's trust provider finds the signature intact, and the signed
# exe runs to its main window.  Every refusal is one line and leaves no file
# behind: not the output, not a temporary one, and an in-place target as it
# was.
set -eu
source_dir=$1 tree=$2 work=$3 launcher=$4 driver=$5
sign="$source_dir/tools/sign"
subject="/CN=Vellmark Test Operator/O=Zentavo Test"
failed=0
fail() { echo "FAIL $*"; failed=1; }

rm -rf "$work"
mkdir -p "$work"
sh "$source_dir/tests/release/test-certificate.sh" "$work/certificate"
cert="$work/certificate/operator.p12" password="$work/certificate/password.txt"
cp "$launcher" "$work/unsigned.exe"

"$sign" --pkcs12 "$cert" --password-file "$password" "$work/unsigned.exe" "$work/signed.exe"
osslsigncode verify -CAfile "$work/certificate/certificate.pem" -in "$work/signed.exe" >"$work/verify.txt" 2>&1 ||
    fail "osslsigncode verify refused the signature:"
cat "$work/verify.txt"
grep -q "Subject: $subject\$" "$work/verify.txt" || fail "the signature does not name $subject"
cmp -s "$work/unsigned.exe" "$launcher" || fail "signing changed its input"

# Wine's trust provider finds the signature and the file's digest in it:
# the signed copy passes (Wine 8 does not hold a self-signed root against
# the trusted ones, as Windows would with CERT_E_UNTRUSTEDROOT), the
# unsigned one has no signature (TRUST_E_NOSIGNATURE), and a signed copy
# with one byte changed has a bad digest (TRUST_E_BAD_DIGEST).
run() { "$source_dir/tools/wine-run" --tree "$tree" "$@"; }
# Wine 8's trust provider writes past a heap block while it reads an
# Authenticode signature (the prefix's heap checker stops the driver with
# "invalid block tail" inside WinVerifyTrust).  That is Wine's fault, not
# the launcher's, so the driver alone runs without heap validation; the
# launcher it starts is still checked.
run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Image File Execution Options\'"${driver##*/}" \
    /v GlobalFlag /t REG_DWORD /d 0 /f >/dev/null
run "$driver" "$work/signed.exe" 0 --launch || fail "the signed launcher did not run"
run "$driver" "$work/unsigned.exe" 800b0100 || fail "the unsigned launcher has a signature"
cp "$work/signed.exe" "$work/tampered.exe"
printf 'X' | dd of="$work/tampered.exe" bs=1 seek=4096 conv=notrunc 2>/dev/null
run "$driver" "$work/tampered.exe" 80096010 || fail "a tampered signed launcher passed"

# Refusals: arguments, then the one line expected on the error output.
printf 'not the password\n' >"$work/wrong-password.txt"
openssl pkcs12 -export -nokeys -in "$work/certificate/certificate.pem" -out "$work/no-key.p12" \
    -passout "file:$password"
check_refusal() {
    expected=$1; shift
    rm -f "$work/out.exe"
    cp "$work/unsigned.exe" "$work/in-place.exe"
    set +e
    "$sign" "$@" "$work/unsigned.exe" "$work/out.exe" >"$work/stdout" 2>"$work/stderr"
    code=$?
    "$sign" "$@" "$work/in-place.exe" >/dev/null 2>&1
    set -e
    if [ $code -ne 1 ] || [ -s "$work/stdout" ] || [ "$(cat "$work/stderr")" != "$expected" ]; then
        fail "expected exit 1 and the one line: $expected"
        echo "  got exit $code:"; cat "$work/stdout" "$work/stderr"
    elif [ -e "$work/out.exe" ] || ls -A "$work" | grep -q 'signing'; then
        fail "a refusal left a file behind: $(ls -A "$work")"
    elif ! cmp -s "$work/in-place.exe" "$work/unsigned.exe"; then
        fail "a refused in-place signing changed its file"
    else
        echo "refused: $expected"
    fi
}
check_refusal "sign: $cert: wrong password (the one in $work/wrong-password.txt)" \
    --pkcs12 "$cert" --password-file "$work/wrong-password.txt"
check_refusal "sign: $work/missing.p12: no such certificate file" \
    --pkcs12 "$work/missing.p12" --password-file "$password"
check_refusal "sign: $work/missing.txt: no such password file" \
    --pkcs12 "$cert" --password-file "$work/missing.txt"
check_refusal "sign: $work/no-key.p12: holds no private key (a certificate alone cannot sign)" \
    --pkcs12 "$work/no-key.p12" --password-file "$password"
check_refusal "sign: $work/unsigned.exe: not a PKCS#12 certificate file" \
    --pkcs12 "$work/unsigned.exe" --password-file "$password"
# Nothing listens on the discard port: the time stamp cannot be had, and
# the signature is not written without it.
check_refusal "sign: the time-stamping service http://127.0.0.1:9/ did not countersign; $work/out.exe was not written" \
    --pkcs12 "$cert" --password-file "$password" --timestamp http://127.0.0.1:9/

exit $failed
