#!/usr/bin/env bash
# Times each phase of .ci/run from a clean clone of the committed HEAD.
#   tools/ci-time.sh                 on every core
#   tools/ci-time.sh --cores 2       pinned to the first two cores (taskset)
#   tools/ci-time.sh --keep DIR      clone into DIR and keep it (default: a temporary folder)
#   tools/ci-time.sh --rev REV       time another commit than HEAD
# Prints one line per phase (wall seconds, CPU seconds), the total, and the ten
# slowest translation units of each build from its .ninja_log.
set -euo pipefail
cd "$(dirname "$0")/.."

cores=""
keep=""
rev=HEAD
while [ $# -gt 0 ]; do
  case "$1" in
    --cores) cores="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    --rev) rev="$2"; shift 2 ;;
    *) echo "usage: tools/ci-time.sh [--cores N] [--keep DIR] [--rev REV]" >&2; exit 2 ;;
  esac
done

work=${keep:-$(mktemp -d)}
rm -rf "$work"
git clone -q . "$work"
git -C "$work" checkout -q "$(git rev-parse "$rev")"
cleanup() { [ -n "$keep" ] || rm -rf "$work"; }
trap cleanup EXIT

pin=()
if [ -n "$cores" ]; then
  pin=(taskset -c "0-$((cores - 1))")
fi

results=()
total_wall=0
# phase NAME COMMAND...: runs the command in the clone, with the pinning, and
# records its wall and CPU (user + system of all children) seconds.
phase() {
  local name=$1; shift
  local log="$work/.phase-$name.log"
  local start end
  start=$(date +%s.%N)
  # /usr/bin/time would need a package; bash's times of the subshell's children do.
  ( cd "$work" && "${pin[@]}" "$@" > "$log" 2>&1; times > "$log.cpu" ) || {
    echo "phase $name failed; its output:" >&2; tail -40 "$log" >&2; exit 1; }
  end=$(date +%s.%N)
  local wall cpu
  wall=$(echo "$end - $start" | bc)
  # The second line of `times` is the children's user and system time, as XmY.Zs.
  cpu=$(sed -n 2p "$log.cpu" | awk '{
      n = 0; for (i = 1; i <= 2; i++) { split($i, p, "m"); sub("s", "", p[2]); n += p[1] * 60 + p[2] } printf "%.0f", n }')
  results+=("$(printf '%-22s %8.0f s wall %8s s CPU' "$name" "$wall" "$cpu")")
  total_wall=$(echo "$total_wall + $wall" | bc)
  printf '%s\n' "${results[-1]}"
}

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(( ${cores:-$(nproc)} ))

echo "clone: $work, cores: ${cores:-all ($(nproc))}"
phase setup           bash tools/setup.sh
phase release-build   bash tools/test.sh --build-only
phase release-test    ctest --test-dir build -j "$jobs"
phase sanitize-build  bash tools/test.sh --sanitize --build-only
phase sanitize-test   ctest --test-dir build-asan -j "$jobs"
phase fuzz            bash tools/fuzz.sh
printf '%-22s %8.0f s wall\n' total "$total_wall"

for b in build build-asan build-fuzz; do
  [ -f "$work/$b/.ninja_log" ] || continue
  echo "slowest translation units of $b (seconds):"
  # .ninja_log v5: start ms, end ms, mtime, output, hash
  awk -F'\t' 'NR > 1 && $4 ~ /\.o$/ { printf "%7.1f  %s\n", ($2 - $1) / 1000, $4 }' "$work/$b/.ninja_log" |
    sort -rn | head -10
done
grep -h "tests passed" "$work"/.phase-*-test.log || true
