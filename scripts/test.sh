#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit tests and real-window tests).
# Set SQUIBBLE_SANITIZE=ON to build and test with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
sanitize="${SQUIBBLE_SANITIZE:-OFF}"
build_dir=build
[ "$sanitize" = ON ] && build_dir=build-sanitize
cmake -S . -B "$build_dir" -DSQUIBBLE_SANITIZE="$sanitize" -DSQUIBBLE_TESTS=ON -DSQUIBBLE_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
# The real-window tests run the game against the X libraries, whose own allocations the leak
# checker would report; under the sanitizers only the headless tests run.
exclude=()
[ "$sanitize" = ON ] && exclude=(-LE window)
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" "${exclude[@]}"
