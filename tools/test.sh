#!/usr/bin/env bash
# Installs what is needed, builds into build/ and runs every test.
#   tools/test.sh             release build with tests
#   tools/test.sh --sanitize  the same under AddressSanitizer and UBSan, in build-asan/
#   --build-only              builds without running the tests (tools/ci-time.sh times the two apart)
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# Tests need no debug information; leaving it out makes the build much faster.
build=build
extra=(-DCMAKE_BUILD_TYPE=Release)
run_tests=1
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      build=build-asan
      # -O0 builds fastest and the tests run quickly enough under the sanitizers
      # without optimisation; line tables (-g1) are all their reports need.
      extra=(-DVP_SANITIZE=ON -DVP_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g1") ;;
    --build-only) run_tests=0 ;;
    *) echo "usage: tools/test.sh [--sanitize] [--build-only]" >&2; exit 2 ;;
  esac
done

jobs=$(nproc)
cmake -S . -B "$build" -G Ninja "${extra[@]}"
cmake --build "$build" -j "$jobs"
[ "$run_tests" = 1 ] || exit 0
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$jobs"
