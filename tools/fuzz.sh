#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a
# short time. A crash, a sanitizer report or a broken load rule fails.
#
# FUZZ_SECONDS (30 by default) is the total fuzzing time, shared equally among
# the targets (at least 1 s each): adding a target does not make CI slower,
# and every target still replays its whole seed corpus (fuzz/corpus/<target>/)
# before it mutates. For a long run of one target, run it by hand, e.g.
#   build-fuzz/fuzz/stage_fuzz -max_total_time=600 build-fuzz/corpus/stage_fuzz fuzz/corpus/stage_fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
total=${FUZZ_SECONDS:-30}
# Line tables are all a crash report needs; full debug information only slows the build.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVP_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG"
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets
shopt -s nullglob
targets=(build-fuzz/fuzz/*_fuzz)
share=$(( total / ${#targets[@]} ))
(( share >= 1 )) || share=1
for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [[ -d "fuzz/corpus/$name" ]] && seeds=("fuzz/corpus/$name")
  echo "fuzzing $name for ${share}s"
  # New inputs go to the first folder only; the seeds in git stay as they are.
  "$target" -max_total_time="$share" "$corpus" "${seeds[@]}"
done
