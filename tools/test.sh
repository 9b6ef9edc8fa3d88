#!/usr/bin/env bash
# Installs what is needed, builds into build/ and runs every test.
#   tools/test.sh             release build with tests
#   tools/test.sh --sanitize  the same under AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# Tests need no debug information; leaving it out makes the build much faster.
build=build
extra=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  extra=(-DVP_SANITIZE=ON -DVP_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

jobs=$(nproc)
cmake -S . -B "$build" -G Ninja "${extra[@]}"
cmake --build "$build" -j "$jobs"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$jobs"
