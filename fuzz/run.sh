#!/bin/bash
# Builds the libFuzzer targets with clang and runs each one for N seconds (first argument, default
# 60) on a fresh copy of its seed corpus: the asset loaders; the configuration, which plays a
# short game on every strings.txt that loads; the checkpoint, which plays on from every one
# that the shipped data set resumes; and the music modules, loaded and rendered for a second.
# Fails on any crash, leak, timeout or out-of-memory.
# Needs clang, libclang-rt-14-dev, liballegro4-dev, libasound2-dev, libxmp-dev, libx11-dev, zlib1g-dev,
# libboost-dev and libboost-program-options-dev.
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
targets=(mz_image:MzImageFuzzer sprite_sheet:SpriteSheetFuzzer bitmap_font:BitmapFontFuzzer config:ConfigFuzzer
         checkpoint:CheckpointFuzzer music_module:MusicModuleFuzzer replay:ReplayFuzzer)
# The whole game but its entry point, the scripted player and the shared fuzzing set-up.
mapfile -t sources < <(cd "$root" && ls src/*/*.cpp tools/autoplay/*.cpp fuzz/FuzzInput.cpp)

if ! command -v "$cxx" >/dev/null; then
    echo "fuzz: $cxx not found (install the clang and libclang-rt-14-dev packages)" >&2
    exit 1
fi
libs="$(pkg-config --libs allegro 2>/dev/null || echo -lalleg) $(pkg-config --libs alsa 2>/dev/null || echo -lasound) $(pkg-config --libs libxmp 2>/dev/null || echo -lxmp) $(pkg-config --libs x11 2>/dev/null || echo -lX11) -lboost_program_options -lz -pthread"
flags=(-std=c++17 -g -O1 -fno-omit-frame-pointer -I"$root/src" -I"$root/tools" -I"$root/fuzz"
       -fsanitize=address,undefined -fno-sanitize-recover=undefined)

mkdir -p "$build"
# An object is rebuilt when it is older than its source or than any header.
newest_header=$(cd "$root" && find src tools fuzz -name '*.h' -printf '%T@\n' | sort -n | tail -n 1)
objects=()
for source in "${sources[@]}"; do
    object=$build/$(echo "${source%.cpp}" | tr / _).o
    if [ ! -f "$object" ] || [ "$root/$source" -nt "$object" ] ||
       awk -v h="$newest_header" -v o="$(stat -c %Y "$object")" 'BEGIN { exit !(h > o) }'; then
        "$cxx" "${flags[@]}" -fsanitize=fuzzer-no-link -c "$root/$source" -o "$object"
    fi
    objects+=("$object")
done

scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_base/squibble-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export SQUIBBLE_FUZZ_SCRATCH=$scratch
export SQUIBBLE_SOURCE_ROOT=$root

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
    # A configuration input plays a short game: ordinary ones take well under a second, the most
    # extreme (thousands of shots a second from dozens of towers) a few seconds under the sanitizers.
    timeout=10
    [ "$name" = config ] && timeout=5
    [ "$name" = checkpoint ] && timeout=5
    dictionary=()
    [ -f "$root/fuzz/$name.dict" ] && dictionary=(-dict="$root/fuzz/$name.dict")
    echo "fuzz: $name for ${seconds}s"
    if ! (cd "$build" && "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout="$timeout" \
            "${dictionary[@]}" -print_final_stats=1 -artifact_prefix="$build/$name-" "$corpus"); then
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: FAILED: ${failed[*]} (crash inputs in $build)" >&2
    exit 1
fi
echo "fuzz: all targets ran clean"
