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

bash scripts/deps.sh wine64 xvfb python3 iproute2
wine_prefix=$PWD/$build_dir/wine-tests
source scripts/wine-env.sh

# The DLLs, as scripts/windows-test.sh finds them.
qt_dir=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$build_dir/CMakeCache.txt")
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread_runtime=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
WINEPATH="$(windows_path "$qt_dir/bin");$(windows_path "$gcc_runtime");$(windows_path "$pthread_runtime")"
export WINEPATH QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'

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
