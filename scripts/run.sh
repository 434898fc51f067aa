#!/usr/bin/env bash
# Installs what is missing, builds, and starts the device simulator on
# 127.0.0.1:4070 (stop it with Ctrl+C).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
bash scripts/build.sh
build_dir=${BUILD_DIR:-build}

cat <<'TEXT'
Talk to it from a shell, for example:
  exec 3<>/dev/tcp/127.0.0.1/4070; printf 'get SSID\r\0' >&3; head -c 9 <&3 | tr '\r' '\n'
TEXT
exec "$build_dir/sim/tolvo-sim" --address 127.0.0.1 --port 4070
