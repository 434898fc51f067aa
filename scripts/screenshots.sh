#!/usr/bin/env bash
# Screenshots of the window program as a person sees it, under Xvfb against
# tolvo-sim on 127.0.0.1 (three devices, one holding the channel "11abc"):
# the load's message, the WiFi page with edits marked, and Find Devices.
#   bash scripts/screenshots.sh SCALE PREFIX   (SCALE 1 for 96 dpi, 2 for 192)
# Writes PREFIX-loaded.png, PREFIX-marks.png and PREFIX-find.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}
prefix=$(realpath -m "${2:-screenshot}")
if [ -z "${TOLVO_IN_NAMESPACE:-}" ]; then
  bash scripts/deps.sh xvfb xdotool imagemagick
  bash scripts/build.sh >/dev/null
  exec unshare -n env TOLVO_IN_NAMESPACE=1 bash "$0" "$scale" "$prefix"
fi
ip link set lo up
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home
profile="$home/.config/Local AppWizard-Generated Applications"
mkdir -p "$profile"
printf '[TOLVO_IPADDRESS]\nIPaddress=2130706433\n' >"$profile/TolvoSConfig.conf" # 127.0.0.1
build/sim/tolvo-sim --address 127.0.0.1 --devices 3 --set CHANNEL=11abc >/dev/null 2>&1 &
sim=$!
Xvfb :57 -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $sim $xvfb $app 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=:57
sleep 1
QT_SCALE_FACTOR=$scale build/app/TolvoSConfig >/dev/null 2>&1 &
app=$!
main=$(xdotool search --sync --onlyvisible --name "Tolvo-S Configuration" | head -1)
shot() { sleep "$1"; import -window root -trim "$prefix-$2.png"; }
xdotool windowfocus "$main"
xdotool key Tab Tab Return # from Exit to the address, to Load: press it
shot 1.5 loaded
xdotool key Return
xdotool windowfocus "$main"
xdotool key ctrl+Tab Tab Tab # the WiFi page; from Load past Save into its first field
xdotool type --delay 80 "10"
xdotool key Tab Tab Tab
xdotool type --delay 80 "Workshop 9"
shot 0.5 marks
xdotool key ctrl+f
sleep 1
xdotool windowfocus "$(xdotool search --onlyvisible --name "Find Devices" | head -1)"
xdotool key ctrl+a
xdotool type --delay 30 "127.0.0.1-127.0.0.8"
xdotool key Return
shot 3 find
