#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The tests run in a
# network namespace that has only a loopback interface where the machine
# allows it, so that no test can reach another address.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
bash scripts/build.sh
build_dir=${BUILD_DIR:-$([ "${TOLVO_SANITIZE:-OFF}" = ON ] && echo build-asan || echo build)}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Each test has loopback addresses of its own (a test that must share one
# would declare a RESOURCE_LOCK), so they run as many at once as there are
# cores: on two, 75 s instead of 160 s.
run_tests='ctest --test-dir "$0" --output-on-failure -j"$(nproc)"'
if [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null && command -v ip >/dev/null; then
  echo "Running the tests in a loopback-only network namespace"
  unshare -n bash -c 'ip link set lo up && '"$run_tests" "$build_dir"
else
  echo "notice: no loopback-only network namespace here; running the tests as they are (they use loopback addresses only)"
  bash -c "$run_tests" "$build_dir"
fi
