#!/bin/sh
# reproducible.sh SOURCE WORK
#
# One operator's release, made twice with tools/release from the same
# sources and options: a whole rebrand with an art folder of its own, signed
# with a throw-away certificate.  The second run builds in another folder,
# later, from another working directory, in another time zone and locale and
# with another umask.  The two launchers must have the same SHA-256, and the
# two dist/ folders the same bytes, signature included.
set -eu
source_dir=$1 work=$2
failed=0
fail() { echo "FAIL $*"; failed=1; }

rm -rf "$work"
mkdir -p "$work"
sh "$source_dir/tests/release/test-certificate.sh" "$work/certificate"
# The operator's art: the launcher's own with the site button drawn as the
# forum's, so the exe must carry this folder's file and not res/art's.
cp -R "$source_dir/res/art" "$work/art"
cp "$work/art/btn_forum.png" "$work/art/btn_site.png"

title="Nordwind «北风» 登录器 & Co; 100% /*ok*/ // #1 'beta' <ü>"
set -- --pkcs12 "$work/certificate/operator.p12" --password-file "$work/certificate/password.txt" \
    "-DLAUNCHER_WINDOW_TITLE=$title" "-DLAUNCHER_GAME_NAME=《北风》" "-DLAUNCHER_EXE_NAME=北风 Launcher" \
    "-DLAUNCHER_COMPANY=Nordwind Games Ltd." "-DLAUNCHER_COPYRIGHT=© 2026 Nordwind Games Ltd." \
    -DLAUNCHER_VERSION=2.3.40.7 -DLAUNCHER_ART_DIR="$work/art" \
    -DLAUNCHER_MAIN_HOST=play.nordwind.test -DLAUNCHER_PAY_HOST=pay.nordwind.test:8443 \
    -DLAUNCHER_FORUM_HOST=forum.nordwind.test -DLAUNCHER_MEMBER_HOST=my.nordwind.test

"$source_dir/tools/release" --build "$work/a/build" --out "$work/a/dist" "$@"
mkdir -p "$work/b/elsewhere"
(cd "$work/b/elsewhere" && umask 077 && TZ=Pacific/Kiritimati LC_ALL=C LANG=C \
    "$source_dir/tools/release" --build "$work/b/build.other-name" --out "$work/b/dist" "$@")

a=$(sha256sum "$(cat "$work/a/build/launcher-path.txt")")
b=$(sha256sum "$(cat "$work/b/build.other-name/launcher-path.txt")")
echo "launcher built in two folders:"
echo "  $a"
echo "  $b"
[ "${a%% *}" = "${b%% *}" ] || fail "the two builds differ"
if diff -r "$work/a/dist" "$work/b/dist"; then
    echo "the two dist/ folders are byte for byte the same:"
    (cd "$work/a/dist" && sha256sum ./*)
else
    fail "the two dist/ folders differ"
fi

exe="$work/a/dist/北风 Launcher.exe"
(cd "$work/a/dist" && sha256sum -c "北风 Launcher.exe.sha256") || fail "the SHA-256 file does not match"
osslsigncode verify -CAfile "$work/certificate/certificate.pem" -in "$exe" >"$work/verify.txt" 2>&1 ||
    fail "the released exe does not verify: $(cat "$work/verify.txt")"
grep -q "Subject: /CN=Vellmark Test Operator/O=Zentavo Test\$" "$work/verify.txt" ||
    fail "the released exe is not signed by the test certificate"
for line in "Nordwind «北风» 登录器 & Co; 100% /\*ok\*/ // #1 'beta' <ü> 2.3.40.7" \
            "  top-up            https://pay.nordwind.test:8443/?game_id=144" \
            "  -DLAUNCHER_VERSION=2.3.40.7" "  LAUNCHER_EXE_NAME=北风 Launcher" \
            "Signature  /CN=Vellmark Test Operator/O=Zentavo Test, signing time .*, not time-stamped"; do
    grep -qx -- "$line" "$work/a/dist/release.txt" || fail "release.txt lacks the line: $line"
done
[ $failed -ne 0 ] || cat "$work/a/dist/release.txt"
exit $failed
