#!/usr/bin/env bash
# Screenshots of the window program in a language, under Xvfb against
# tolvo-sim on 127.0.0.1 (three devices): the main window's WiFi page after
# a load, and Find Devices after a search. The language is the one a user chooses in the
# window (its profile entry), so no system locale needs to be installed.
#   bash scripts/screenshots-language.sh LANGUAGE PREFIX   (LANGUAGE: de, ja, ...)
# Writes PREFIX-loaded.png and PREFIX-find.png.
set -euo pipefail
cd "$(dirname "$0")/.."
language=${1:?a language, e.g. de}
prefix=$(realpath -m "${2:-screenshot-$language}")
if [ -z "${TOLVO_IN_NAMESPACE:-}" ]; then
  bash scripts/deps.sh xvfb xdotool imagemagick fonts-droid-fallback
  bash scripts/build.sh >/dev/null
  exec unshare -n env TOLVO_IN_NAMESPACE=1 bash "$0" "$language" "$prefix"
fi
ip link set lo up
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home
profile="$home/.config/Local AppWizard-Generated Applications"
mkdir -p "$profile"
printf '[TOLVO_IPADDRESS]\nIPaddress=2130706433\n[Settings]\nLanguage=%s\n' "$language" \
  >"$profile/TolvoSConfig.conf" # 127.0.0.1
build/sim/tolvo-sim --address 127.0.0.1 --devices 3 >/dev/null 2>&1 &
sim=$!
Xvfb :58 -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $sim $xvfb $app 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=:58
sleep 1
build/app/TolvoSConfig >/dev/null 2>&1 &
app=$!
main=$(xdotool search --sync --onlyvisible --pid "$app" | head -1)
shot() { sleep "$1"; import -window root -trim "$prefix-$2.png"; }
xdotool windowfocus "$main"
xdotool key Tab Tab Return # from Exit to the address, to Load: press it
sleep 1.5
xdotool key Return # the load's message
xdotool windowfocus "$main"
xdotool key ctrl+Tab # the WiFi page
shot 0.5 loaded
xdotool key ctrl+f
sleep 1
xdotool key ctrl+a
xdotool type --delay 30 "127.0.0.1-127.0.0.8"
xdotool key Return
shot 3 find
