#!/usr/bin/env bash
# The settings are remembered: a game muted with M (and turned down with -) and closed starts
# again, with no option, muted and silent while its turret fires, heard through ALSA's file plugin
# as in the sound test.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
SETTINGS="$XDG_CONFIG_HOME/squibble-siege/settings.txt"
use_sound_capture
# No wave comes, and of the sounds only the laser's is left, so what is heard is the turret.
tuned_data "$ROOT" <<<$'TimeBetweenWaves=1000\nSound.TowerBuilt=\nSound.Refused='

# Starts the game hearing through the capture, builds a turret at x 100 and sets PEAK to the
# loudest of 1.5 s of its firing, in dBFS.
play_and_listen() {
  HOME="$SOUND_HOME" start_game "$GAME" "$TUNED_DIR"
  click_at 309 229; click_at 100 200; click_at 100 200 3
  sleep 2.5
  local from; from=$(stat -c %s "$CAPTURE")
  sleep 1.5
  PEAK=$(/usr/bin/python3 "$(dirname "$(realpath "$0")")/support/pcm_levels.py" "$CAPTURE" "$from" \
    "$(stat -c %s "$CAPTURE")" | cut -d' ' -f1)
}
quit_game() {
  press_key Escape; click_at 160 112
  wait_exit 10
  [ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
}

start_x
play_and_listen
awk -v p="$PEAK" 'BEGIN { exit !(p > -30) }' || fail "the turret was not heard before M (peak $PEAK dBFS)"
press_key m
press_key minus
quit_game
grep -qx "Mute=1" "$SETTINGS" && grep -qx "Volume=90" "$SETTINGS" || fail "M and - were not kept: $(cat "$SETTINGS")"
play_and_listen
awk -v p="$PEAK" 'BEGIN { exit !(p == "-inf" || p < -60) }' || fail "the game started again was heard (peak $PEAK dBFS)"
quit_game
pass settings
