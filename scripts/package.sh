#!/usr/bin/env bash
# Builds a release in build-pkg/ and makes the Debian packages there:
# tolvo-s-config (the program, tolvoctl) and tolvo-sim (the simulator).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh help2man dpkg-dev file gzip
build_dir=${BUILD_DIR:-build-pkg}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DTOLVO_WERROR="${TOLVO_WERROR:-OFF}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
(cd "$build_dir" && cpack -G DEB)
ls "$build_dir"/*.deb
