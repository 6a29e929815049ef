#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the repository root (where data/ is).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSQUIBBLE_BENCHMARKS=OFF -DSQUIBBLE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target squibble-siege
exec ./build/squibble-siege
