#!/usr/bin/env bash
# Runs the soak of the Windows build (made by scripts/windows.sh) under Wine
# once per seed, in one Wine session, outside CI (which runs it once):
#   bash scripts/windows-soak.sh [FIRST_SEED [RUNS]]     (default 1 and 20)
# Each run's Qt Test report is kept as build-windows/soak/seed-N.txt, and a
# line per run gives its seed, violations, lagging log and time. Fails when
# any run failed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
first=${1:-1}
runs=${2:-20}

bash scripts/deps.sh wine64 xvfb python3 iproute2 g++-mingw-w64-x86-64-posix
wine_prefix=$PWD/$build_dir/wine-tests
source scripts/wine-env.sh

use_build_dlls "$build_dir"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'

mkdir -p "$build_dir/soak"
failed=0
for seed in $(seq "$first" $((first + runs - 1))); do
  report=$build_dir/soak/seed-$seed.txt
  start=$SECONDS
  status=0
  TOLVO_SOAK_SEED=$seed "$WINE" "$PWD/$build_dir/test_soak.exe" \
    "noFaultPutsAWrongValueOnAPageOrADevice:the log as it comes" -o "$PWD/$report,txt" || status=$?
  [ "$status" -eq 0 ] || failed=$((failed + 1))
  echo "seed $seed: exit $status, $(grep -m1 '^violations:' "$report" || echo 'no report'), log" \
    "lagging: $(grep -m1 -o "action's own: .*" "$report" | cut -c15-), $((SECONDS - start)) s"
done
echo "$runs runs, $failed failed"
[ "$failed" -eq 0 ]
