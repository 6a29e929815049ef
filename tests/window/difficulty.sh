#!/usr/bin/env bash
# F2, Right and Enter play Hard: the wave panel shows Hard's invader health, losing keeps
# Hard's own record beside Normal's, and the next launch plays Hard again.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

# A long pause at Normal; at Hard a short one, wave 1's 16 invaders all escape and wave 2 ends it.
tuned_data "$ROOT" <<'KEYS'
StartingHealth=1
Hard.StartingHealth=17
TimeBetweenWaves=60
Hard.TimeBetweenWaves=6
Wave1SpeedBase=400
Wave1SpeedMax=400
KEYS
stem="$XDG_DATA_HOME/squibble-siege/best-$(tuned_checksum)"

# same_ink SHOT_A SHOT_B GEOMETRY: whether the regions' pure white pixels (the panel's letters; the
# sky through its half see-through box never is) are the same.
same_ink() {
  local shot
  for shot in "$1" "$2"; do
    convert "$SHOTS_DIR/$shot.png" -crop "$3" +repage -fill black +opaque white "$SHOTS_DIR/$shot-ink.png"
    [ "$(colour_count "$shot-ink" 255 255 255)" -gt 20 ] || fail "no letters in $3 of $shot"
  done
  [ "$(compare -metric AE "$SHOTS_DIR/$1-ink.png" "$SHOTS_DIR/$2-ink.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]
}
# The wave panel's "16 invaders, 10 health each".
health_line=200x14+436+27

start_x
start_game "$GAME" "$TUNED_DIR"
move_to 10 10
screenshot normal
press_key F2; press_key Right; press_key Return
screenshot hard
same_ink normal hard "$health_line" && fail "the wave panel shows Normal's invader health at Hard"
wait_for 60 "the game at Hard was not lost" test -s "$stem-hard.txt"
[ "$(cat "$stem-hard.txt")" = 1 ] || fail "Hard's record holds $(cat "$stem-hard.txt"), not the 1 wave defeated"
[ -e "$stem.txt" ] && fail "a game at Hard wrote Normal's record"
close_window; wait_exit 10

start_game "$GAME" "$TUNED_DIR"
screenshot again
same_ink hard again "$health_line" || fail "the next launch does not show Hard's invader health"
close_window; wait_exit 10
stop_x
echo "difficulty: passed"
