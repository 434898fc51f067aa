#!/usr/bin/env bash
# Tries the signing step of scripts/windows.sh with a certificate made here
# (self-signed with openssl, for code signing, valid two days) after a build
# by scripts/windows.sh: packs that build again with the certificate given,
# into BUILD_DIR/signing/packages/, and checks with osslsigncode verify that
# the installer and every program and DLL of both zips carry its signature;
# that the password shows in no output; that the signed installer installs
# under Wine, where the installed programs, DLLs and uninstaller are signed
# and tolvoctl runs; and that it uninstalls. Also: the build made without a
# certificate is not signed; the same key on a PKCS#11 token (SoftHSM) signs
# a program; a wrong password or an incomplete token configuration fails,
# saying why.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
if ! ls "$build_dir"/tolvo-s-config-*-win64.exe >/dev/null 2>&1; then
  echo "No installer in $build_dir/: make it first with bash scripts/windows.sh" >&2
  exit 2
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
work=$PWD/$build_dir/signing
certificate=$work/certificate

# The certificate and the signed packages, before the network is cut off
# (scripts/windows.sh may install packages).
if [ -z "${TOLVO_ISOLATED:-}" ]; then
  bash scripts/deps.sh osslsigncode openssl unzip wine64 xvfb iproute2 softhsm2 msitools \
    libengine-pkcs11-openssl
  rm -rf "$work"
  mkdir -p "$certificate"
  chmod 700 "$certificate"
  openssl req -x509 -newkey rsa:3072 -nodes -days 2 -subj "/CN=Tolvo-S signing test" \
    -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
    -keyout "$certificate/key.pem" -out "$certificate/certificate.pem" 2>/dev/null
  openssl rand -hex 16 >"$certificate/password"
  openssl pkcs12 -export -inkey "$certificate/key.pem" -in "$certificate/certificate.pem" \
    -out "$certificate/signer.p12" -passout "file:$certificate/password"
  echo "Packing $build_dir/ again, signed, into $work/packages/"
  status=0
  TOLVO_SIGN_PKCS12=$certificate/signer.p12 TOLVO_SIGN_PASSWORD=$(cat "$certificate/password") \
    PACKAGE_DIR=$work/packages BUILD_DIR=$build_dir \
    BUILD_TESTING=$(sed -n 's/^BUILD_TESTING:BOOL=//p' "$build_dir/CMakeCache.txt") \
    bash scripts/windows.sh >"$work/windows-sh.log" 2>&1 || status=$?
  echo "$status" >"$work/windows-sh.status"
fi

wine_prefix=$PWD/$build_dir/wine-signing
[ -n "${TOLVO_ISOLATED:-}" ] || rm -rf "$wine_prefix"
source scripts/wine-env.sh
source scripts/checks.sh
password=$(cat "$certificate/password")
installer=tolvo-s-config-$version-win64.exe

# True when file carries a signature by the test's certificate that verifies.
signed_here() { # file
  local report
  report=$(osslsigncode verify -CAfile "$certificate/certificate.pem" -in "$1" 2>&1) &&
    grep -q "Signature verification: ok" <<<"$report" &&
    grep -q "Subject: /CN=Tolvo-S signing test" <<<"$report" && return 0
  echo "not signed here: $1"
  return 1
}
# Every program and DLL below folder, signed here (and at least count of them).
all_signed() { # folder, count
  local file found=0 unsigned=0
  while IFS= read -r -d '' file; do
    found=$((found + 1))
    signed_here "$file" || unsigned=$((unsigned + 1))
  done < <(find "$1" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
  echo "$found programs and DLLs in $1, $unsigned of them not signed"
  [ "$found" -ge "$2" ] && [ "$unsigned" -eq 0 ]
}

check "scripts/windows.sh packs with the certificate given (exit status $(cat "$work/windows-sh.status"))" \
  test "$(cat "$work/windows-sh.status")" -eq 0
check "the password shows in none of its output" bash -c '! grep -rqF "$1" "$2"' _ "$password" "$work/windows-sh.log"
check "nor in any file it made" bash -c '! grep -rqF "$1" "$2"' _ "$password" "$work/packages"
check "the installer made without a certificate is not signed" \
  bash -c 'osslsigncode verify -in "$1" 2>&1 | grep -q "No signature found"' _ "$build_dir/$installer"
check "the signed installer is signed" signed_here "$work/packages/$installer"
check "the signed MSI is signed" signed_here "$work/packages/${installer%.exe}.msi"
(cd "$work" && mkdir -p msi-contents && cd msi-contents &&
  msiextract "../packages/${installer%.exe}.msi" >/dev/null)
check "every program and DLL in the MSI is signed" all_signed "$work/msi-contents" 11
for zip in tolvo-s-config-$version-win64-portable tolvo-sim-$version-win64; do
  unzip -q "$work/packages/$zip.zip" -d "$work/unzipped-$zip"
done
# The window program, tolvoctl, four Qt DLLs, the runtime's three, two plug-ins; the simulator.
check "every program and DLL in the portable zip is signed" \
  all_signed "$work/unzipped-tolvo-s-config-$version-win64-portable" 11
check "every program and DLL in the simulator's zip is signed" \
  all_signed "$work/unzipped-tolvo-sim-$version-win64" 1

# The signed installer installs, and what it installs is signed and runs.
installed="$WINEPREFIX/drive_c/Program Files/Tolvo-S Configuration"
status=0
"$WINE" "$work/packages/$installer" /S || status=$?
timeout 120 "$WINESERVER" -w || true
check "the signed installer installs silently (exit status $status)" test "$status" -eq 0
check "every installed program and DLL is signed" all_signed "$installed" 11
check "the installed uninstaller is signed" signed_here "$installed/Uninstall.exe"
check "the installed, signed tolvoctl runs" \
  bash -c '[ "$("$WINE" "$1" --version 2>&1 | tr -d "\r")" = "tolvoctl $2" ]' _ "$installed/tolvoctl.exe" "$version"
# The uninstaller as the Start menu starts it, silent: it runs a copy of
# itself, which removes the folder with the uninstaller.
"$WINE" "$installed/Uninstall.exe" /S
timeout 120 "$WINESERVER" -w || true
check "the signed uninstaller removes the program and its folder" test ! -e "$installed"

# Signing that cannot be done fails, says why, and shows no password.
sample=$work/sample.exe
cp "$build_dir/tolvo-sim.exe" "$sample"
output=$(TOLVO_SIGN_PKCS12=$certificate/signer.p12 TOLVO_SIGN_PASSWORD=wrong-$password \
  bash scripts/windows-sign.sh "$sample" 2>&1) && status=0 || status=$?
check "a wrong password fails (exit status $status), naming the file" \
  bash -c '[ "$1" -ne 0 ] && grep -qF "Could not sign $2" <<<"$3"' _ "$status" "$sample" "$output"
check "and shows no password" bash -c '! grep -qF "$1" <<<"$2"' _ "$password" "$output"
check "and leaves the file as it was" cmp -s "$sample" "$build_dir/tolvo-sim.exe"
output=$(TOLVO_SIGN_PKCS11_MODULE=/usr/lib/none.so bash scripts/windows-sign.sh "$sample" 2>&1) &&
  status=0 || status=$?
check "a token's module without its key fails (exit status $status), naming what is missing" \
  bash -c '[ "$1" -ne 0 ] && grep -qF "TOLVO_SIGN_PKCS11_KEY" <<<"$2"' _ "$status" "$output"

# The same key on a token (SoftHSM's, in a folder of the test's own), through
# PKCS#11, with its PIN as the password.
export SOFTHSM2_CONF=$work/softhsm2.conf
mkdir -p "$work/tokens"
printf 'directories.tokendir = %s\nobjectstore.backend = file\n' "$work/tokens" >"$SOFTHSM2_CONF"
pin=$(openssl rand -hex 4)
softhsm2-util --init-token --free --label tolvo-signing-test --pin "$pin" --so-pin "$pin$pin" >/dev/null
openssl pkcs8 -topk8 -nocrypt -in "$certificate/key.pem" -out "$certificate/key.p8"
softhsm2-util --import "$certificate/key.p8" --token tolvo-signing-test --label signer --id 01 \
  --pin "$pin" >/dev/null
cp "$build_dir/tolvo-sim.exe" "$sample"
output=$(TOLVO_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so \
  TOLVO_SIGN_PKCS11_KEY='pkcs11:token=tolvo-signing-test;object=signer;type=private' \
  TOLVO_SIGN_CERTS=$certificate/certificate.pem TOLVO_SIGN_PASSWORD=$pin \
  bash scripts/windows-sign.sh "$sample" 2>&1) && status=0 || status=$?
check "a key on a PKCS#11 token signs (exit status $status)" signed_here "$sample"
check "and the PIN shows in no output" bash -c '! grep -qF "$1" <<<"$2"' _ "$pin" "$output"

checks_summary signing
