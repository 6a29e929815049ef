#!/usr/bin/env bash
# Plays every scripted strategy on the shipped data (seed 1, the shipped frame time) and draws the
# wave-by-wave figures into one PNG.
# Usage: bash scripts/plot-balance.sh [BUILD_DIR] [PNG]   (defaults: build, docs/balance.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
png="${2:-docs/balance.png}"
if ! /usr/bin/python3 -c "import matplotlib" 2>/dev/null; then
  echo "plot-balance: needs python3-matplotlib (bash scripts/install-deps.sh test installs it)" >&2
  exit 1
fi
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" >/dev/null
fi
cmake --build "$build_dir" -j2 --target balance >/dev/null
figures=$(mktemp --suffix=.csv)
trap 'rm -f "$figures"' EXIT
"$build_dir/tools/balance/balance" --csv "$figures"
/usr/bin/python3 tools/balance/plot_balance.py "$figures" "$png"
echo "wrote $png"
