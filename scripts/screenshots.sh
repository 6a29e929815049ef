#!/usr/bin/env bash
# Retakes the README's pictures in docs/ from the game in a private X server (Xvfb, xdotool and
# ImageMagick): the next wave's preview while a tesla coil is placed, its threat with no tower
# standing, a laser turret placed with its column, a selected tesla coil's
# figures with an upgrade hovered, the statistics at "Game Over", and the mid-wave screenshot.
# Usage: bash scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath "${1:-build}")
game="$build_dir/squibble-siege"
[ -x "$game" ] || { echo "screenshots: build the game first ($game is missing)" >&2; exit 1; }
source "$root/tests/window/support/lib.sh"
set +u

# A returning player's screen: a settings file, so no first-launch hints.
returning() { mkdir -p "$XDG_CONFIG_HOME/squibble-siege" && echo "Scale=2" >"$XDG_CONFIG_HOME/squibble-siege/settings.txt"; }
# Each scene is a new game, not the run the last one kept.
fresh_game() { rm -rf "$XDG_STATE_HOME"; start_game "$@"; }
# keep SHOT NAME: the window's picture as docs/NAME.png.
keep() { convert "$SHOTS_DIR/$1.png" -crop 640x480+0+0 +repage "$root/docs/$2.png"; echo "wrote docs/$2.png"; }
# build KEY X: the build button of that key, then a click on the field at x.
build() { press_key "$1"; click_at "$2" 200; }

returning
start_x

# The first pause: a laser turret stands, a tesla coil is being placed with its reach.
fresh_game "$game" "$root"
build 3 100
press_key 1
move_to 190 200
sleep 0.5
screenshot next-wave
keep next-wave next-wave
close_window; wait_exit 10

# The first pause with no tower: wave 1 is heavy for no defence at all.
fresh_game "$game" "$root"
sleep 0.5
screenshot threat
keep threat threat
close_window; wait_exit 10

# One laser turret stands and a second is being placed, with the column its bolts cover.
fresh_game "$game" "$root"
build 3 100
press_key 3
move_to 200 200
sleep 0.5
screenshot laser-column
keep laser-column laser-column
close_window; wait_exit 10

# Mid-wave 1, the block brought down sooner: the tesla coil selected, its upgrade hovered.
tuned_data "$root" <<'KEYS'
Wave1SpeedBase=40
KEYS
fresh_game "$game" "$TUNED_DIR"
build 3 100
build 1 190
sleep 32
click_at 190 200
move_to 287 229
sleep 0.3
screenshot tower-figures
keep tower-figures tower-figures
close_window; wait_exit 10

rm -rf "$TUNED_DIR"
# A short game lost in a few waves with a few towers, one of them sold.
tuned_data "$root" <<'KEYS'
StartingHealth=30
StartingMoney=300
TimeBetweenWaves=2
Wave1SpeedBase=90
Wave1SpeedMax=200
KEYS
fresh_game "$game" "$TUNED_DIR"
build 3 60
build 1 160
build 2 250
click_at 250 200
press_key Delete
move_to 10 10
wait_for 120 "the short game was not lost" field_is_grey
sleep 1
screenshot game-over-stats
keep game-over-stats game-over-stats
close_window; wait_exit 10
stop_x

[ "${2:-}" = --no-main ] || SQUIBBLE_UPDATE_SCREENSHOT=1 bash "$root/tests/window/screenshot.sh" "$game" "$root"
