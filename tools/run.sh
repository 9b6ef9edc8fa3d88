#!/usr/bin/env bash
# Installs what is needed, builds into build/, generates the sample project into
# sample/ (data, pictures, sounds and music made by code) and starts the player there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
build/make_sample sample
cd sample
exec ../build/game "$@"
