#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a
# short time (FUZZ_SECONDS, 30 by default). A crash or sanitizer report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
seconds=${FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVP_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets
shopt -s nullglob
for target in build-fuzz/fuzz/*_fuzz; do
  corpus="build-fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  echo "fuzzing $(basename "$target") for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=4096 "$corpus"
done
