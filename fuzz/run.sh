#!/bin/bash
# Builds the libFuzzer targets of the asset loaders with clang and runs each one for N seconds
# (first argument, default 60) on a fresh copy of its seed corpus. Fails on any crash, leak,
# timeout or out-of-memory. Needs clang, libclang-rt-14-dev, liballegro4-dev and zlib1g-dev.
set -euo pipefail

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: $0 [SECONDS_PER_TARGET]" >&2
    exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
runs=$root/fuzz/corpus-run
cxx=${FUZZ_CXX:-clang++}
targets=(mz_image:MzImageFuzzer sprite_sheet:SpriteSheetFuzzer bitmap_font:BitmapFontFuzzer)
sources=(src/assets/MzImage.cpp src/assets/SpriteSheet.cpp src/assets/AnimatedSprite.cpp
         src/assets/BitmapFont.cpp fuzz/FuzzInput.cpp)

if ! command -v "$cxx" >/dev/null; then
    echo "fuzz: $cxx not found (install the clang and libclang-rt-14-dev packages)" >&2
    exit 1
fi
libs="$(pkg-config --libs allegro 2>/dev/null || echo -lalleg) -lz"
flags=(-std=c++17 -g -O1 -fno-omit-frame-pointer -I"$root/src" -I"$root/fuzz"
       -fsanitize=address,undefined -fno-sanitize-recover=undefined)

mkdir -p "$build"
objects=()
for source in "${sources[@]}"; do
    object=$build/$(basename "$source" .cpp).o
    "$cxx" "${flags[@]}" -fsanitize=fuzzer-no-link -c "$root/$source" -o "$object"
    objects+=("$object")
done

scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_base/squibble-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export SQUIBBLE_FUZZ_SCRATCH=$scratch

failed=()
for entry in "${targets[@]}"; do
    name=${entry%%:*}
    main=${entry##*:}
    binary=$build/$name
    # shellcheck disable=SC2086
    "$cxx" "${flags[@]}" -fsanitize=fuzzer "$root/fuzz/$main.cpp" "${objects[@]}" $libs -o "$binary"

    corpus=$runs/$name
    rm -rf "$corpus"
    mkdir -p "$corpus"
    cp "$root/fuzz/corpus/$name"/* "$corpus/"
    echo "fuzz: $name for ${seconds}s"
    if ! (cd "$build" && "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$build/$name-" "$corpus"); then
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: FAILED: ${failed[*]} (crash inputs in $build)" >&2
    exit 1
fi
echo "fuzz: all targets ran clean"
