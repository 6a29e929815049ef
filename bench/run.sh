#!/usr/bin/env bash
# Builds and runs every benchmark, then prints the medians and the ratios against the targets:
# heavy, fast-forward (Tab held) and game-over frames at most 3 x the empty frame, content
# loading under 50 ms, no heap allocation in World::draw and a second of music rendered in under 2 ms.
# Usage: bash bench/run.sh [BUILD_DIR]   (default: build-bench, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-bench}"
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DSQUIBBLE_TESTS=OFF >/dev/null
fi
cmake --build "$build_dir" -j2 --target squibble_bench >/dev/null
results=$(mktemp)
trap 'rm -f "$results"' EXIT
"$build_dir/bench/squibble_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$results" --benchmark_out_format=json
python3 "bench/summary.py" "$results"
