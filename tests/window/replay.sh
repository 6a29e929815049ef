#!/usr/bin/env bash
# A short game played in the window (towers built with a click and with keys, an upgrade, a speed
# step, N), closed mid-wave and resumed, is kept as one replay; mztool replay-check confirms it, and --replay shows it in the
# window and ends with the same figures. A replay of another data set, or a damaged one, is
# refused with one line.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
MZTOOL="$(dirname "$GAME")/tools/mztool"
spacing=$(grep -E '^ButtonSpacing=' "$ROOT/data/strings.txt" | cut -d= -f2)
CAPTION=300x24+0+0       # where "Replay x1 step ..." stands
tuned_data "$ROOT" <<'KEYS'
TimeBetweenWaves=4
StartingMoney=400
KEYS

start_x
start_game "$GAME" "$TUNED_DIR"
click_at 309 229               # build button 0: the laser turret
click_at 100 200               # built at x 100
click_at 100 200 3
move_to 200 150
press_key 2                    # a missile turret with the keys: chosen, moved right, built
press_key Right
press_key Right
press_key space
press_key BackSpace
click_at 100 210               # select the laser and buy its first upgrade
click_at $(( 300 - spacing + 9 )) 229
click_at 100 200 3
press_key f                    # speed step 2x
press_key n                    # wave 1 now
sleep 3
close_window                   # closed mid-wave: the run is kept from the wave's start
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing gave status $GAME_STATUS"
start_game "$GAME" "$TUNED_DIR"
press_key p                    # the resumed run waits in a pause, then goes on in the same replay:
click_at 100 210               # the upgrade bought during the wave was not kept; bought again
click_at $(( 300 - spacing + 9 )) 229
click_at 100 200 3
press_key n
sleep 2
press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"

replays=("$XDG_DATA_HOME"/squibble-siege/replays/run-*.sqreplay)
[ "${#replays[@]}" -eq 1 ] && [ -f "${replays[0]}" ] || fail "not one kept replay: ${replays[*]}"
replay=${replays[0]}
info=$("$MZTOOL" replay-info "$replay")
[[ "$info" == *"closed and resumed 1 time"* ]] || fail "the resumed run is not a part of its replay: $info"
checked=$(cd "$TUNED_DIR" && "$MZTOOL" replay-check "$replay") || fail "replay-check: $checked"
figures=${checked#*: matches: }
case "$figures" in *"towers 2, upgrades "[12]*) ;; *) fail "the replay does not hold the towers and upgrade: $figures" ;; esac

start_game "$GAME" "$TUNED_DIR" --replay "$replay"
screenshot watching
[ "$(colour_count watching 0 0 0)" -lt 200000 ] || fail "the replay shows no picture"
press_key f; press_key f      # 4x
wait_for 60 "the replay did not end" grep -q "replay ended" "$SHOTS_DIR/game.out"
grep -qF "$figures" "$SHOTS_DIR/game.out" || fail "the replay ended otherwise: $(cat "$SHOTS_DIR/game.out") / $figures"
grep -q "the recorded result" "$SHOTS_DIR/game.out" || fail "the watched replay differs from its record"
screenshot ended
[ "$(changed_pixels watching ended "$CAPTION")" -gt 0 ] || fail "the replay's caption did not change"
press_key Escape
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "leaving the replay gave status $GAME_STATUS"

start_game "$GAME" "$TUNED_DIR" --replay "$replay"
close_window
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing the replay's window gave status $GAME_STATUS"

# Refusals need no window: one line each, status 1.
refused=$(cd "$ROOT" && "$GAME" --data "$ROOT" --replay "$replay" 2>&1 >/dev/null) && fail "another data set's replay was played"
[ "$(echo "$refused" | wc -l)" -eq 1 ] && [[ "$refused" == *"data set"* ]] || fail "refusal: $refused"
head -c 200 "$replay" > "$PLAYER_DIR/cut.sqreplay"
refused=$("$GAME" --data "$TUNED_DIR" --replay "$PLAYER_DIR/cut.sqreplay" 2>&1 >/dev/null) && fail "a cut replay was played"
[ "$(echo "$refused" | wc -l)" -eq 1 ] || fail "refusal of a cut replay: $refused"
echo "replay: $(stat -c %s "$replay") bytes for $(grep -a "^frames" "$replay")"
pass replay
