#!/usr/bin/env bash
# Signs Windows programs, DLLs and installers (Authenticode, SHA-256, with
# osslsigncode) in place when a certificate is given, and does nothing when
# none is:
#   TOLVO_SIGN_PKCS12=FILE.p12 TOLVO_SIGN_PASSWORD=...   a PKCS#12 file and its password
#   TOLVO_SIGN_PKCS11_MODULE=LIB.so TOLVO_SIGN_PKCS11_KEY=pkcs11:URI TOLVO_SIGN_CERTS=CHAIN.pem
#                                       a key on a token (TOLVO_SIGN_PASSWORD is its PIN)
#   TOLVO_SIGN_TIMESTAMP_URL=URL        a time-stamping service, so that the
#                                       signatures stay valid after the certificate expires
#   bash scripts/windows-sign.sh FILE...     or, sourced: sign_windows_file FILE
# The password reaches osslsigncode through a pipe, never on its command
# line or in any output. (Exported, it is in the environment of the build's
# other programs too, as any exported variable is.)

windows_signing_configured() {
  [ -n "${TOLVO_SIGN_PKCS12:-}${TOLVO_SIGN_PKCS11_MODULE:-}" ]
}

# osslsigncode's arguments naming the key and certificate; fails, saying
# what is missing, when the configuration is incomplete.
windows_signing_key_arguments() {
  if [ -n "${TOLVO_SIGN_PKCS12:-}" ]; then
    if [ ! -f "$TOLVO_SIGN_PKCS12" ]; then
      echo "TOLVO_SIGN_PKCS12 names no file: $TOLVO_SIGN_PKCS12" >&2
      return 1
    fi
    signing_arguments=(-pkcs12 "$TOLVO_SIGN_PKCS12")
  else
    local name
    for name in TOLVO_SIGN_PKCS11_KEY TOLVO_SIGN_CERTS; do
      if [ -z "${!name:-}" ]; then
        echo "TOLVO_SIGN_PKCS11_MODULE is set, $name is not: a token's key needs both" >&2
        return 1
      fi
    done
    signing_arguments=(-pkcs11module "$TOLVO_SIGN_PKCS11_MODULE" -key "$TOLVO_SIGN_PKCS11_KEY"
      -certs "$TOLVO_SIGN_CERTS")
  fi
  if [ -n "${TOLVO_SIGN_TIMESTAMP_URL:-}" ]; then
    signing_arguments+=(-ts "$TOLVO_SIGN_TIMESTAMP_URL")
  fi
}

sign_windows_file() { # file
  windows_signing_configured || return 0
  local file=$1 signed="$1.signed" signing_arguments=()
  if ! command -v osslsigncode >/dev/null; then
    echo "osslsigncode is not installed: it signs $file" >&2
    return 1
  fi
  windows_signing_key_arguments || return 1
  if [ -n "${TOLVO_SIGN_PASSWORD:-}" ]; then
    signing_arguments+=(-readpass /dev/stdin)
  fi
  rm -f "$signed"
  if ! printf '%s' "${TOLVO_SIGN_PASSWORD:-}" |
    osslsigncode sign "${signing_arguments[@]}" -h sha256 -n "Tolvo-S Configuration Utility" \
      -i "https://halvane.example/tolvo-s" -in "$file" -out "$signed" >/dev/null; then
    rm -f "$signed"
    echo "Could not sign $file" >&2
    return 1
  fi
  mv -f "$signed" "$file"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  for file in "$@"; do
    sign_windows_file "$file"
  done
fi
