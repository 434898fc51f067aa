#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz/) and runs each for SECONDS
# (default 30), starting from its seed corpus in fuzz/corpus/<target>/, which
# it runs in full first. Prints each target's executions and coverage; a
# crash stops the script, leaving the input in build-fuzz/findings/<target>/.
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

bash scripts/deps.sh clang libclang-rt-14-dev

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLVO_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target fuzz_targets -j"$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
isolate=()
if [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null; then
  isolate=(unshare -n)
fi
for target in fuzz_device_replies fuzz_settings_file fuzz_cli_arguments fuzz_templates; do
  work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
  mkdir -p "$work" "$findings"
  echo "== $target, ${seconds} s"
  max_len=4096
  [ "$target" = fuzz_templates ] && max_len=16384 # the program's own templates fit whole
  "${isolate[@]}" build-fuzz/fuzz/$target -max_total_time="$seconds" -max_len="$max_len" \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" \
    2>"build-fuzz/$target.log" || { tail -40 "build-fuzz/$target.log"; exit 1; }
  grep -a "DONE" "build-fuzz/$target.log" | tail -1 || true
  grep -a "stat::number_of_executed_units" "build-fuzz/$target.log" || true
done
