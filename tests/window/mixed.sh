#!/usr/bin/env bash
# "New Game?" with Down and Enter plays the Mixed invaders: the settings keep Mode=Mixed, wave 2
# brings armoured invaders, wave 3 (the data made short) a boss with its own health bar, the
# checkpoint keeps the mode and the coming block's kinds, and losing writes the Mixed record alone.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

# Nothing is built: every invader lands. 40 health: wave 1 costs 16, wave 2 18, wave 3 ends it.
tuned_data "$ROOT" <<'KEYS'
StartingHealth=40
TimeBetweenWaves=2
Wave1SpeedBase=90
Wave1SpeedMax=90
Invader2.FromWave=2
Invader2.Share=100
Invader3.FromWave=0
Invader4.FromWave=0
Invader5.FromWave=0
Invader6.Every=3
KEYS
crc=$(tuned_checksum)
checkpoint="$XDG_STATE_HOME/squibble-siege/checkpoint-$crc.txt"
record="$XDG_DATA_HOME/squibble-siege/best-$crc"
settings="$XDG_CONFIG_HOME/squibble-siege/settings.txt"
wave_in_file() { grep -qx "Wave=$1" "$checkpoint" 2>/dev/null; }
# The armoured invader's plate grey (no Squibble has it) and the boss's health bar, in a screenshot.
grey_in() { colour_count "$1" 132 126 135; }
boss_bar_in() { colour_count "$1" 120 220 80; }

start_x
start_game "$GAME" "$TUNED_DIR"
move_to 10 10
press_key F2; press_key Down
screenshot dialog
press_key Return
wait_for 10 "Mode=Mixed is not kept" grep -qx "Mode=Mixed" "$settings"

wait_for 30 "wave 1 did not start" wave_in_file 1
# Three seconds in, the block has come out from under the wave panel.
sleep 3; screenshot wave1

wait_for 60 "wave 2 did not start" wave_in_file 2
grep -qx "Mode=Mixed" "$checkpoint" || fail "the checkpoint does not keep the mode"
grep -q "^Kinds=Armoured Armoured" "$checkpoint" || fail "the checkpoint does not keep wave 2's kinds"
# A busy machine takes its pictures late: any of a few may show the armoured block.
armoured=""
for shot in 1 2 3 4 5 6 7 8; do
  sleep 0.5; screenshot "wave2-$shot"
  [ "$(grey_in "wave2-$shot")" -gt $(( $(grey_in wave1) + 400 )) ] && { armoured=$shot; break; }
done
[ -n "$armoured" ] || fail "no armoured invader in wave 2"

wait_for 60 "wave 3 did not start" wave_in_file 3
grep -q "^Kinds=.* Boss - " "$checkpoint" || fail "the checkpoint's wave 3 has no boss"
seen=""
for shot in 1 2 3 4 5 6 7 8; do
  sleep 0.5; screenshot "boss$shot"
  [ "$(boss_bar_in "boss$shot")" -gt 20 ] && { seen=$shot; break; }
done
[ -n "$seen" ] || fail "no boss's health bar in wave 3"

wait_for 60 "the Mixed game was not lost" test -s "$record-mixed.txt"
[ "$(cat "$record-mixed.txt")" = 2 ] || fail "the Mixed record holds $(cat "$record-mixed.txt"), not 2 waves"
[ -e "$record.txt" ] && fail "a Mixed game wrote Classic's record"
close_window; wait_exit 10
stop_x
echo "mixed: passed"
