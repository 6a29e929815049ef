#!/usr/bin/env bash
# Plays every scripted strategy on the shipped data (seed 1, the shipped frame time) at each
# difficulty in both modes, Classic and Mixed, and draws the wave-by-wave figures into one PNG.
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
figures=$(mktemp -d)
trap 'rm -rf "$figures"' EXIT
csvs=()
for mode in classic mixed; do
  for difficulty in Easy Normal Hard; do
    "$build_dir/tools/balance/balance" --mode "$mode" --difficulty "$difficulty" --waves 100 \
      --csv "$figures/$mode-$difficulty.csv"
    csvs+=("$figures/$mode-$difficulty.csv")
  done
done
/usr/bin/python3 tools/balance/plot_balance.py "${csvs[@]}" "$png"
echo "wrote $png"
