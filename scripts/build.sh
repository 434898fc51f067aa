#!/usr/bin/env bash
# Configures and builds the project in $BUILD_DIR (default build/).
#   TOLVO_SANITIZE=ON  builds with AddressSanitizer and UndefinedBehaviorSanitizer (default dir build-asan/)
#   TOLVO_WERROR=ON    turns warnings into errors (on by default when CI=true)
#   BUILD_TESTING=OFF  leaves out the tests and benchmarks (on by default)
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=${TOLVO_SANITIZE:-OFF}
werror=${TOLVO_WERROR:-$([ "${CI:-}" = true ] && echo ON || echo OFF)}
default_dir=build
[ "$sanitize" = ON ] && default_dir=build-asan
build_dir=${BUILD_DIR:-$default_dir}

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLVO_SANITIZE="$sanitize" -DTOLVO_WERROR="$werror" -DBUILD_TESTING="${BUILD_TESTING:-ON}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
