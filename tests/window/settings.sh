#!/usr/bin/env bash
# The settings are remembered: a game muted with M and closed starts again, with no option, muted,
# and is silent (heard through ALSA's file plugin as the sound test does) while its turret fires;
# the volume set with - is kept too.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
LEVELS=(/usr/bin/python3 "$(dirname "$(realpath "$0")")/support/pcm_levels.py")
SETTINGS="$XDG_CONFIG_HOME/squibble-siege/settings.txt"

SOUND_HOME=$(mktemp -d)
CAPTURE="$SOUND_HOME/capture.raw"
cat >"$SOUND_HOME/.asoundrc" <<END
pcm.!default { type plug; slave { pcm "capture"; format S16_LE; rate 22050; channels 2 } }
pcm.capture { type file; slave.pcm "null"; file "$CAPTURE"; format "raw" }
END
trap 'rm -rf "$SOUND_HOME"' EXIT
# No wave comes, and of the sounds only the laser's is left, so what is heard is the turret.
tuned_data "$ROOT" <<END
TimeBetweenWaves=1000
Sound.TowerBuilt=
Sound.Refused=
END

captured() { stat -c %s "$CAPTURE" 2>/dev/null || echo 0; }
peak_between() { "${LEVELS[@]}" "$CAPTURE" "$1" "$2" | cut -d' ' -f1; }
# A game in the tuned folder that hears through the capture; its turret stands at x 100.
start_heard_game() {
  local real_home=$HOME
  export HOME="$SOUND_HOME"
  start_game "$GAME" "$TUNED_DIR" "$@"
  export HOME="$real_home"
  click_at 309 229
  click_at 100 200
  click_at 100 200 3
}
quit_game() {
  press_key Escape
  click_at 160 112
  wait_exit 10
  [ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
}

start_x
start_heard_game
sleep 2.5
from=$(captured)
sleep 1.5
peak=$(peak_between "$from" "$(captured)")
awk -v p="$peak" 'BEGIN { exit !(p > -30) }' || fail "the turret was not heard before M (peak $peak dBFS)"
press_key m
press_key minus
quit_game
grep -qx "Mute=1" "$SETTINGS" || fail "M was not kept: $(cat "$SETTINGS")"
grep -qx "Volume=90" "$SETTINGS" || fail "- was not kept: $(cat "$SETTINGS")"

start_heard_game
sleep 2.5
from=$(captured)
sleep 1.5
to=$(captured)
[ "$to" -gt "$from" ] || fail "the sound device took no samples"
peak=$(peak_between "$from" "$to")
awk -v p="$peak" 'BEGIN { exit !(p == "-inf" || p < -60) }' || fail "the game started again was not silent (peak $peak dBFS)"
quit_game

pass settings
