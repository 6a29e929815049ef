#!/usr/bin/env bash
# Hears the game: ALSA's file plugin stands in for a sound card and writes what the game plays to
# a file. The music is heard in the first pause, before any tower stands (no effect plays then),
# lowered by [ and gone with M. With the music keys empty, before the laser turret stands the
# capture is silent; while it fires into an empty sky it stays silent; once N has called a wave its
# firing is clearly heard; with M pressed it is silent again (and the
# muted-speaker mark shows), and M once more brings the sound back. Without a sound device the game
# plays silently after one line of its own, and a sound file that does not load stops start-up
# naming it.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
LEVELS=(/usr/bin/python3 "$(dirname "$(realpath "$0")")/support/pcm_levels.py")
MARK=22x16+136+442       # the muted-speaker mark, right of the health bar

use_sound_capture

# No wave comes, so the music plays on in the first pause.
tuned_data "$ROOT" <<END
TimeBetweenWaves=1000
END
MUSIC_DIR=$TUNED_DIR

captured() { stat -c %s "$CAPTURE" 2>/dev/null || echo 0; }
# expect_heard FROM TO WHAT / expect_silent FROM TO WHAT: the capture between two byte offsets
# peaks above -30 dBFS (a laser zap peaks near -15), or nowhere above -60 dBFS.
expect_heard() {
  read -r peak rms < <("${LEVELS[@]}" "$CAPTURE" "$1" "$2")
  awk -v p="$peak" 'BEGIN { exit !(p > -30) }' || fail "$3 was not heard (peak $peak dBFS, RMS $rms dBFS)"
  echo "$3: peak $peak dBFS, RMS $rms dBFS"
}
expect_silent() {
  read -r peak rms < <("${LEVELS[@]}" "$CAPTURE" "$1" "$2")
  awk -v p="$peak" 'BEGIN { exit !(p == "-inf" || p < -60) }' || fail "sound $3 (peak $peak dBFS)"
  echo "$3: $(( $2 - $1 )) bytes, peak $peak dBFS"
}

start_x
real_home=$HOME

# No device: the default PCM names a card that is not there.
QUIET_HOME=$(mktemp -d)
echo 'pcm.!default { type hw; card 63 }' >"$QUIET_HOME/.asoundrc"
export HOME="$QUIET_HOME"
start_game "$GAME" "$ROOT"
export HOME="$real_home"
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game did not start without a sound device: $(cat "$SHOTS_DIR/game.err")"
press_key Escape
click_at 160 112
wait_exit 10
rm -rf "$QUIET_HOME"
[ "$GAME_STATUS" -eq 0 ] || fail "without a sound device quitting gave status $GAME_STATUS"
[ "$(grep -c . "$SHOTS_DIR/game.err")" -eq 1 ] && grep -q "playing silently" "$SHOTS_DIR/game.err" ||
  fail "without a sound device the game should say so in one line, not: $(cat "$SHOTS_DIR/game.err")"

export HOME="$SOUND_HOME"
start_game "$GAME" "$MUSIC_DIR"
export HOME="$real_home"
sleep 2.5                      # the build piece fades in over a second
from=$(captured); sleep 2; to=$(captured)
expect_heard "$from" "$to" "the build music"
full_rms=$rms
for _ in 1 2 3 4 5 6 7 8 9; do press_key bracketleft; done
sleep 1
from=$(captured); sleep 2; to=$(captured)
read -r peak rms < <("${LEVELS[@]}" "$CAPTURE" "$from" "$to")
echo "the music at a tenth: peak $peak dBFS, RMS $rms dBFS"
awk -v low="$rms" -v full="$full_rms" 'BEGIN { exit !(low < full - 12) }' ||
  fail "nine presses of [ did not lower the music (RMS $full_rms, then $rms dBFS)"
press_key m
sleep 1
from=$(captured); sleep 2; to=$(captured)
expect_silent "$from" "$to" "the music with M"
press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting with the music playing gave status $GAME_STATUS"
rm -rf "$MUSIC_DIR" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$CAPTURE"   # M and [ were kept: start afresh

# Without the music, and of the sounds only the laser's left, what is heard is the turret.
tuned_data "$ROOT" <<END
TimeBetweenWaves=1000
Sound.TowerBuilt=
Sound.Refused=
Sound.WaveStarted=
Sound.InvaderDestroyed=
Sound.InvaderEscaped=
Sound.GroundWarning=
Music.Build=
Music.Wave=
Music.GameOver=
END

echo "Sound.LaserFired=data/no_such_sound.wav" >>"$TUNED_DIR/data/strings.txt"
(cd "$TUNED_DIR" && HOME="$SOUND_HOME" "$GAME") 2>"$SHOTS_DIR/sound.err"
status=$?
[ "$status" -eq 1 ] || fail "with a missing sound file the status was $status"
grep -q "data/no_such_sound.wav" "$SHOTS_DIR/sound.err" || fail "the error does not name the sound file"
sed -i '$d' "$TUNED_DIR/data/strings.txt"
rm -f "$CAPTURE"

export HOME="$SOUND_HOME"
start_game "$GAME" "$TUNED_DIR"
export HOME="$real_home"
grep -q "playing silently" "$SHOTS_DIR/game.err" && fail "the game found no sound device: $(cat "$SHOTS_DIR/game.err")"

sleep 1
before=$(captured)
[ "$before" -gt 4000 ] || fail "the sound device took no samples ($before bytes in a second)"
expect_silent 0 "$before" "before the turret, with the music keys empty"

click_at 309 229               # build button 0: the laser turret
click_at 100 200               # build it
click_at 100 200 3             # stop placing
sleep 1
empty_from=$(captured)
sleep 2
empty_to=$(captured)
expect_silent "$empty_from" "$empty_to" "the turret firing into an empty sky"
press_key n                    # the wave comes
sleep 2.5
firing=$(captured)
expect_heard "$empty_to" "$firing" "the turret firing at the wave"
screenshot sound_on

press_key m
sleep 0.6
muted_from=$(captured)
sleep 2
muted_to=$(captured)
screenshot sound_off
[ "$muted_to" -gt "$muted_from" ] || fail "the sound device stopped taking samples while muted"
expect_silent "$muted_from" "$muted_to" "while muted"
expect_change sound_on sound_off "$MARK" 20 "no muted-speaker mark in the status row"

press_key m
sleep 2
expect_heard "$muted_to" "$(captured)" "the turret after M again"

press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
pass sound
