#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program together with the
# bundled device simulator on 127.0.0.1:4070. The simulator stops when the
# program closes.
#
# The program runs with a demonstration profile under build/demo-profile/
# whose device address is 127.0.0.1, so Load and Save go to the simulator;
# your own profile is not touched.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
bash scripts/build.sh
build_dir=${BUILD_DIR:-build}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
No display: the program is a desktop program and needs a graphical session.
Run this command again from a terminal on your desktop (or over "ssh -X").
Everything is built; to try the device side alone, start the simulator:
  build/sim/tolvo-sim
TEXT
  exit 1
fi

profile_home="$PWD/$build_dir/demo-profile"
profile_dir="$profile_home/Local AppWizard-Generated Applications"
mkdir -p "$profile_dir"
# The address 127.0.0.1, with whatever else an earlier run remembered (the
# language chosen) kept.
profile=$profile_dir/TolvoSConfig.conf
touch "$profile"
sed -i '/^\[TOLVO_IPADDRESS\]$/,/^\[/{/^IPaddress=/d}' "$profile"
if grep -q '^\[TOLVO_IPADDRESS\]$' "$profile"; then
  sed -i '/^\[TOLVO_IPADDRESS\]$/a IPaddress=2130706433' "$profile"
else
  printf '[TOLVO_IPADDRESS]\nIPaddress=2130706433\n' >>"$profile"
fi

"$build_dir/sim/tolvo-sim" --address 127.0.0.1 --port 4070 --log "$build_dir/tolvo-sim.log" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true' EXIT
echo "Simulator on 127.0.0.1:4070 (log: $build_dir/tolvo-sim.log); starting the program."
XDG_CONFIG_HOME="$profile_home" "$build_dir/app/TolvoSConfig"
