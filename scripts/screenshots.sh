#!/usr/bin/env bash
# Screenshots of the window program as a person sees it, under Xvfb against
# tolvo-sim on 127.0.0.1 (three devices, one holding the channel "11abc"):
# the load's message, the WiFi page with edits marked, and Find Devices; then
# a send with an address plan to three devices on 127.0.47.1-3 that move
# when they apply: the confirmation with the plan's preview, and the results.
#   bash scripts/screenshots.sh SCALE PREFIX   (SCALE 1 for 96 dpi, 2 for 192)
# Writes PREFIX-loaded.png, PREFIX-marks.png, PREFIX-find.png,
# PREFIX-send-plan.png and PREFIX-send-results.png.
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
build/sim/tolvo-sim --address 127.0.47.1 --devices 3 --move-after 200 >/dev/null 2>&1 &
moving=$!
Xvfb :57 -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $sim $moving $xvfb $app 2>/dev/null; rm -rf "$home"' EXIT
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
# A send with an address plan to the moving devices: all ticked, the address
# and mask from a plan counted upward from 127.0.48.1.
xdotool key alt+a
xdotool key ctrl+a
xdotool type --delay 30 "127.0.47.1-127.0.47.3"
xdotool key Return
sleep 3
xdotool key alt+t alt+d
sleep 1
xdotool windowfocus "$(xdotool search --onlyvisible --name "Send to the Picked Devices" | head -1)"
xdotool key alt+i
sleep 0.5
xdotool key alt+u
sleep 0.5
xdotool key Tab ctrl+a
sleep 0.3
xdotool type --delay 80 "127.0.48.1"
shot 1 send-plan
xdotool key alt+s
sleep 1
xdotool windowsize "$(xdotool search --onlyvisible --name "Sending to" | head -1)" $((1100 * scale)) $((400 * scale))
shot 4 send-results
