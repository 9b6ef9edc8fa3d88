#!/usr/bin/env bash
# Installs what is needed, builds into build/ and starts the player in sample/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
mkdir -p sample
cd sample
exec ../build/game "$@"
