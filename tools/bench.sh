#!/usr/bin/env bash
# Speed figures to compare from run to run: the Google Benchmarks of bench/
# (one core), then the sample's "bench" stage on its own (a frame and each of
# its passes, SetStage; medians over 600 frames), then the wall time of
# build/stagerun playing 600 frames of each stage of the sample project
# without keys, the bench stage among them.
#   tools/bench.sh [BENCHMARK_FILTER]     e.g. tools/bench.sh 'Stage|Play'
# Builds build/ (Release) first. The benchmarks run pinned to the last core so
# the figures do not wander between cores.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j "$(nproc)" --target benchmarks stagerun make_sample > /dev/null

core=$(( $(nproc) - 1 ))
bench_stage='BM_PlayFrame|BM_SetStageBenchStage'
filter=${1:--$bench_stage}
taskset -c "$core" build/bench/benchmarks --benchmark_filter="$filter"

echo
echo "bench stage: median_us of a frame and of each pass over 600 frames; median_ms of SetStage"
taskset -c "$core" build/bench/benchmarks --benchmark_filter="$bench_stage" --benchmark_counters_tabular=true 2>/dev/null |
  sed -n '/^Benchmark/,$p'

sample=$(mktemp -d)
trap 'rm -rf "$sample"' EXIT
build/make_sample "$sample" > /dev/null
echo
printf '%-28s %8s %12s\n' "stage (600 frames)" "ms" "end"
for file in "$sample"/data/stg4/*.stg4_000; do
  name=$(basename "$file" .stg4_000)
  start=$(date +%s%N)
  end=$(taskset -c "$core" build/stagerun "$sample" "data\\stg4\\$name.stg4" --frames 600 | tail -1)
  stop=$(date +%s%N)
  reason=$(sed -n 's/.*"reason":"\([a-z_]*\)".*/\1/p' <<< "$end")
  printf '%-28s %8d %12s\n' "$name" $(( (stop - start) / 1000000 )) "$reason"
done
