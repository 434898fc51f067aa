#!/usr/bin/env bash
# The window program's start-up under Xvfb beside a bare Qt dialog of the
# same shape: time from exec to the window mapped, and peak RSS (medians).
#   bash bench/startup.sh [RUNS] [PROGRAM...]   (default: 21 runs of build/app/TolvoSConfig)
# Several programs (another build of the window program, say) take turns with
# the bare dialog, and each is given as a multiple of it.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
shift || true
programs=("${@:-build/app/TolvoSConfig}")
if [ -z "${TOLVO_IN_NAMESPACE:-}" ]; then
  bash scripts/deps.sh xvfb libxcb1-dev pkg-config
  bash scripts/build.sh >/dev/null
  # Loopback only: nothing here talks to a device, and nothing can.
  exec unshare -n env TOLVO_IN_NAMESPACE=1 bash "$0" "$runs" "${programs[@]}"
fi
ip link set lo up
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home
Xvfb :71 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; rm -rf "$home"' EXIT
export DISPLAY=:71
sleep 1
build/bench/bench_startup 2 build/bench/bare_dialog "${programs[@]}" >/dev/null # warm the file cache
build/bench/bench_startup "$runs" build/bench/bare_dialog "${programs[@]}"
