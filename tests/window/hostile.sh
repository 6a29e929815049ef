#!/usr/bin/env bash
# The game as a new player's desktop may start it. Under a decimal-comma locale (a German desktop)
# a close in the pause keeps the run, written with points, and the next launch resumes it. With
# standard error on a pipe nobody reads, the game plays on past its first line.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

tuned_data "$ROOT" <<'KEYS'
TimeBetweenWaves=60
KEYS
checkpoint_file() { ls "$XDG_STATE_HOME"/squibble-siege/checkpoint-*.txt 2>/dev/null | head -n 1; }
export LOCPATH="$PLAYER_DIR/locale"
mkdir -p "$LOCPATH"
bash "$ROOT/tests/support/make_comma_locale.sh" "$LOCPATH" || fail "no decimal-comma locale could be made"
export LANG=xx_XX.UTF-8 LC_ALL=xx_XX.UTF-8

start_x
start_game "$GAME" "$TUNED_DIR"
sleep 1.5
close_window
wait_exit 10
file=$(checkpoint_file); [ -n "$file" ] || fail "a close in the pause kept no run under a comma locale: $(cat "$SHOTS_DIR/game.err")"
grep -q , "$file" && fail "the checkpoint holds a comma: $(cat "$file")"
grep -Eqx 'TimePlayed=[0-9]+(\.[0-9]+)?(e-[0-9]+)?' "$file" || fail "no time played in points: $(cat "$file")"
start_game "$GAME" "$TUNED_DIR"; sleep 1
grep -q refused "$SHOTS_DIR/game.err" && fail "the kept run was refused: $(cat "$SHOTS_DIR/game.err")"
[ -f "$file" ] || fail "the kept run is gone after the relaunch"
close_window; wait_exit 10
unset LANG LC_ALL LOCPATH

# A settings line told at once into a pipe with no reader (SIGPIPE as a shell leaves it).
mkdir -p "$XDG_CONFIG_HOME/squibble-siege"
echo "Volume=loud" >"$XDG_CONFIG_HOME/squibble-siege/settings.txt"
(cd "$TUNED_DIR" && exec /usr/bin/python3 -c 'import os, signal, sys
signal.signal(signal.SIGPIPE, signal.SIG_DFL)
read, write = os.pipe()
os.close(read)
os.dup2(write, 2)
os.execv(sys.argv[1], sys.argv[1:])' "$GAME") >/dev/null &
GAME_PID=$!
wait_for 30 "the game window did not appear with a broken standard error" game_window_found
sleep 1
game_gone && fail "a broken standard error ended the game"
close_window
wait_exit 10
[ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"
pass hostile
