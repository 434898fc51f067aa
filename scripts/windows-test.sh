#!/usr/bin/env bash
# Runs the tests of the Windows build (made by scripts/windows.sh) under
# Wine, on Windows' own API: the offscreen platform as on Linux, Windows'
# own platform plug-in for the test of what only Windows has. Arguments go
# to ctest (-R test_cli runs one).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}

bash scripts/deps.sh wine64 xvfb icoutils python3 iproute2 g++-mingw-w64-x86-64-posix poppler-utils
wine_prefix=$PWD/$build_dir/wine-tests
source scripts/wine-env.sh

use_build_dlls "$build_dir"

# Qt Test's reports are in files here (a program under Wine has no console):
# those of failed tests are shown, all but their passes.
if ! ctest --test-dir "$build_dir" --output-on-failure "$@"; then
  sed -n 's/^[0-9]*:\(test_[a-z_]*\)$/\1/p' "$build_dir/Testing/Temporary/LastTestsFailed.log" |
    while read -r name; do
      echo "== $name"
      grep -v "^PASS" "$build_dir/tests/$name.txt" || true
    done
  exit 1
fi
