#!/usr/bin/env bash
# A run survives kill -9 at wave 2: the same towers and money show again, paused. A corrupt
# checkpoint gives a new game, one line and the .bad file; quitting between waves keeps the run;
# so does a SIGTERM there; a game over leaves no checkpoint.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

# Quick waves nothing kills, lasers that never fire: only building changes the money.
tuned_data "$ROOT" <<'KEYS'
StartingHealth=100
TimeBetweenWaves=8
Wave1SpeedBase=400
Wave1SpeedMax=400
Invader1.Health=100000
Tower1.FreqBase=100000
KEYS
# The checkpoint file of the tuned data set, named by the CRC-32 of its strings.txt.
checkpoint_of() {
  echo "$XDG_STATE_HOME/squibble-siege/checkpoint-$(tuned_checksum).txt"
}
checkpoint=$(checkpoint_of)
MONEY=100x20+0+456        # "$ 50" in window pixels
TOWERS=640x60+0+376       # the baseline strip the towers stand on
TITLE=400x30+120+116      # "Resumed at wave 2" and the hint under it

# white_in SHOT GEOMETRY: pure white pixels in a region; the sky there has none, the main font's ink does.
white_in() {
  convert "$SHOTS_DIR/$1.png" -crop "$2" +repage "$SHOTS_DIR/.white.png"
  colour_count .white 255 255 255
}
# The game's own lines on stderr, but the one of a machine with no sound device.
game_lines() { grep -v "playing silently" "$SHOTS_DIR/game.err" || true; }
wave_in_file() { grep -qx "Wave=$1" "$checkpoint" 2>/dev/null; }
kill_game() { kill -9 "$GAME_PID"; wait "$GAME_PID" 2>/dev/null; GAME_PID=""; }

start_x
start_game "$GAME" "$TUNED_DIR"
screenshot fresh
click_at 309 229; click_at 80 200; click_at 80 200 3     # a laser turret at x 80
click_at 309 229; click_at 220 200; click_at 220 200 3   # and one at x 220
wait_for 30 "no checkpoint of wave 2 was written" wave_in_file 2
screenshot wave2
[ "$(grep -c '^Tower=LaserTurret' "$checkpoint")" = 2 ] || fail "the checkpoint does not hold the two towers"
grep -qx 'Money=50' "$checkpoint" || fail "the checkpoint does not hold the money left: $(grep Money "$checkpoint")"

kill_game
start_game "$GAME" "$TUNED_DIR"
sleep 1
screenshot resumed1
sleep 1
screenshot resumed2
[ "$(changed_pixels resumed1 resumed2 640x430+0+0)" = 0 ] || fail "the resumed game is not paused"
[ "$(changed_pixels wave2 resumed1 "$MONEY")" = 0 ] || fail "the money differs from wave 2's"
[ "$(white_in resumed1 "$TITLE")" -gt 50 ] || fail "no \"Resumed at wave 2\" caption"
# The pause dims the field: the towers are compared once P has lifted it.
press_key p
sleep 0.3
screenshot playing
[ "$(changed_pixels wave2 playing "$TOWERS")" -lt 200 ] || fail "the towers differ from wave 2's"
[ "$(changed_pixels fresh playing "$TOWERS")" -gt 200 ] || fail "no towers on the resumed field"
[ -z "$(game_lines)" ] || fail "resuming wrote to stderr: $(game_lines)"

# A torn checkpoint: refused with one line, kept as .bad, and a new game with no towers.
kill_game
printf 'squibble-siege checkpoint 1\nWave=2\nMon' >"$checkpoint"
start_game "$GAME" "$TUNED_DIR"
screenshot refused
[ "$(game_lines | wc -l)" = 1 ] && game_lines | grep -q refused || fail "not one line of refusal: $(game_lines)"
[ -f "$checkpoint.bad" ] || fail "the refused checkpoint was not kept as $checkpoint.bad"
[ "$(changed_pixels fresh refused "$TOWERS")" -lt 200 ] || fail "towers on the field of the new game"
[ "$(changed_pixels fresh refused "$MONEY")" = 0 ] || fail "the new game does not start with its money"

# Quitting in the pause before the wave keeps the tower just built.
click_at 309 229; click_at 150 200; click_at 150 200 3
press_key Escape
click_at 160 112
wait_exit 10
grep -qx 'Wave=1' "$checkpoint" && grep -qx 'Money=100' "$checkpoint" &&
  [ "$(grep -c '^Tower=LaserTurret' "$checkpoint")" = 1 ] || fail "quitting between waves did not keep the run"

# A logout's SIGTERM in the pause closes the game as the close button does, keeping a tower built then.
start_game "$GAME" "$TUNED_DIR"
press_key p
click_at 309 229; click_at 250 200; click_at 250 200 3
kill -TERM "$GAME_PID"
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "SIGTERM ended the game with status $GAME_STATUS"
[ "$(grep -c '^Tower=LaserTurret' "$checkpoint")" = 2 ] || fail "SIGTERM in the pause lost the tower built in it"
stop_x

# A game over deletes the checkpoint its first wave wrote.
quick_loss_data "$ROOT"
checkpoint=$(checkpoint_of)
start_x
start_game "$GAME" "$TUNED_DIR"
move_to 10 10
sleep 4
screenshot over
[ ! -e "$checkpoint" ] || fail "a checkpoint is left after the game over"
pass checkpoint
