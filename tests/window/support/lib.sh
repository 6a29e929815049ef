# Shared helpers of the real-window tests: a private X server, the game window, input and pictures.
# Usage in a test: source this file, then start_x; start_game BINARY DIR; ... ; stop_x.
# Every wait has a time limit instead of a count of frames or sleeps, so a loaded machine makes a
# test slower, not flaky.

set -u
HERE_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# Each run has its own folder of screenshots, so tests running at the same time on one machine
# never read each other's pictures. It is kept when a test fails.
SHOTS_DIR="${SHOTS_DIR:-$(mktemp -d "${TMPDIR:-/tmp}/squibble-shots.XXXXXX")}"
mkdir -p "$SHOTS_DIR"
GAME_PID=""; XVFB_PID=""; TUNED_DIR=""
# The player's own folders (records, settings, checkpoints) are the run's, never the tester's: a
# test sees only what the games it started left there.
PLAYER_DIR="$(mktemp -d "${TMPDIR:-/tmp}/squibble-player.XXXXXX")"
export XDG_DATA_HOME="$PLAYER_DIR/data" XDG_CONFIG_HOME="$PLAYER_DIR/config" XDG_STATE_HOME="$PLAYER_DIR/state"

fail() { echo "FAIL: $* (screenshots in $SHOTS_DIR)" >&2; stop_x; exit 1; }

# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; fails with WHAT after SECONDS.
wait_for() {
  local limit=$1 what=$2
  shift 2
  local deadline=$(( SECONDS + limit ))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$what (waited $limit s)"
    sleep 0.1
  done
}

display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
display_number_written() { [ -s "$1" ]; }

start_x() {
  local fdfile
  fdfile=$(mktemp)
  # -noreset: by default the server resets whenever its last client leaves, and a game that
  # connects during that reset (right after a helper's query) cannot start.
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-800x600x24}" -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
  XVFB_PID=$!
  wait_for 30 "the X server did not start" display_number_written "$fdfile"
  export DISPLAY=":$(head -n 1 "$fdfile")"
  rm -f "$fdfile"
  wait_for 30 "the X server on $DISPLAY does not answer" display_answers
}

# stop_pid PID: ends a process this shell started and waits until it has gone, so the next test
# never meets a dying X server or game.
stop_pid() {
  local pid=$1
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# Safe under set -e and when the game or the server has already died.
stop_x() {
  if [ -n "$GAME_PID" ]; then stop_pid "$GAME_PID"; fi
  if [ -n "$XVFB_PID" ]; then stop_pid "$XVFB_PID"; fi
  if [ -n "$TUNED_DIR" ]; then rm -rf "$TUNED_DIR"; fi
  GAME_PID=""; XVFB_PID=""; TUNED_DIR=""
  return 0
}

# pass NAME: stops the server, removes the screenshots and reports the test passed.
pass() {
  stop_x
  rm -rf "$SHOTS_DIR" "$PLAYER_DIR"
  echo "$1: passed${2:+ ($2)}"
}

# use_sound_capture: a home folder (SOUND_HOME) whose ALSA setup writes everything the game plays
# into the file CAPTURE instead of a sound card; start the game with HOME="$SOUND_HOME" to hear it.
use_sound_capture() {
  SOUND_HOME=$(mktemp -d)
  CAPTURE="$SOUND_HOME/capture.raw"
  cat >"$SOUND_HOME/.asoundrc" <<END
pcm.!default { type plug; slave { pcm "capture"; format S16_LE; rate 22050; channels 2 } }
pcm.capture { type file; slave.pcm "null"; file "$CAPTURE"; format "raw" }
END
  trap 'rm -rf "$SOUND_HOME"' EXIT
}

# start_game BINARY WORKDIR [OPTIONS...]: starts the game there, waits for its window, sets GAME_PID and WINDOW.
start_game() {
  (cd "$2" && exec "$1" "${@:3}") >"$SHOTS_DIR/game.out" 2>"$SHOTS_DIR/game.err" &
  GAME_PID=$!
  WINDOW=""
  # A loaded machine can take a while to start the game; give it up to 30 seconds.
  wait_for 30 "the game window did not appear" game_window_found
  wait_for 15 "the game window shows no picture" window_drawn
}

# Whether the window shows a drawn frame rather than the black of a fresh window.
window_drawn() {
  xdotool getwindowgeometry "$WINDOW" >/dev/null 2>&1 || return 1
  screenshot .first
  [ "$(pixel_at .first 320 100)" != "0,0,0" ]
}

game_window_found() {
  game_gone && fail "the game ended before its window appeared: $(cat "$SHOTS_DIR/game.err")"
  WINDOW=$(xdotool search --pid "$GAME_PID" 2>/dev/null | tail -n 1 || true)
  [ -z "$WINDOW" ] && WINDOW=$(xdotool search --name "Squibble Siege" 2>/dev/null | tail -n 1 || true)
  [ -n "$WINDOW" ]
}

game_gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# wait_exit SECONDS: waits for the game to end and sets GAME_STATUS.
wait_exit() {
  wait_for "$1" "the game did not end within $1 seconds" game_gone
  GAME_STATUS=0
  wait "$GAME_PID" || GAME_STATUS=$?
  GAME_PID=""
}

# Mouse and keys in back-buffer pixels (the window shows them at SCALE times the size, default 2).
move_to() { xdotool mousemove --window "$WINDOW" $(( $1 * ${SCALE:-2} + 1 )) $(( $2 * ${SCALE:-2} + 1 )); sleep 0.1; }
click_at() { move_to "$1" "$2"; xdotool mousedown "${3:-1}"; sleep 0.15; xdotool mouseup "${3:-1}"; sleep 0.15; }
press_key() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; sleep 0.15; }
screenshot() { import -window root "$SHOTS_DIR/$1.png"; }
close_window() { /usr/bin/python3 "$HERE_LIB/close_window.py" "$WINDOW"; }

# pixel_at SHOT X Y: the colour of a window pixel (window coordinates) in a screenshot as "r,g,b".
pixel_at() { convert "$SHOTS_DIR/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

# field_is_grey [SHOT]: takes a screenshot (default .over) and tells whether the field has turned
# grey at game over: everything but the red captions is, so the sky and the ground are sampled.
field_is_grey() {
  local shot=${1:-.over} point r g b
  screenshot "$shot"
  for point in "100 40" "600 300" "300 430"; do
    set -- $point
    IFS=, read -r r g b <<<"$(pixel_at "$shot" "$1" "$2")"
    [ "$r" = "$g" ] && [ "$g" = "$b" ] || return 1
  done
}

# changed_pixels SHOT_A SHOT_B GEOMETRY: how many pixels differ between two screenshots in a region
# given as ImageMagick geometry (WxH+X+Y, window coordinates).
changed_pixels() {
  convert "$SHOTS_DIR/$1.png" -crop "$3" +repage "$SHOTS_DIR/.a.png"
  convert "$SHOTS_DIR/$2.png" -crop "$3" +repage "$SHOTS_DIR/.b.png"
  compare -metric AE "$SHOTS_DIR/.a.png" "$SHOTS_DIR/.b.png" null: 2>&1 | cut -d' ' -f1
}

# expect_change SHOT_A SHOT_B GEOMETRY MINIMUM WHAT: fails unless at least MINIMUM pixels differ
# between SHOT_A and SHOT_B; SHOT_B is taken again until they do, for up to 15 seconds.
expect_change() {
  wait_for 15 "$5 (too few pixels changed in $3)" changed_enough "$@"
}

changed_enough() {
  local changed
  changed=$(changed_pixels "$1" "$2" "$3")
  [ "${changed%.*}" -ge "$4" ] && return 0
  screenshot "$2"
  return 1
}

# colour_count SHOT R G B: how many pixels of exactly this colour a screenshot holds.
colour_count() {
  convert "$SHOTS_DIR/$1.png" -fill black +opaque "rgb($2,$3,$4)" -fill white +opaque black \
    -format "%[fx:round(mean*w*h)]" info:
}

# tuned_data ROOT: copies ROOT/data into a new folder TUNED_DIR and appends the key=value lines
# read from standard input to its strings.txt (later lines win). stop_x removes the folder.
tuned_data() {
  TUNED_DIR=$(mktemp -d)
  cp -r "$1/data" "$TUNED_DIR/"
  cat >>"$TUNED_DIR/data/strings.txt"
}

# tuned_checksum: the CRC-32 of the tuned strings.txt, which names its checkpoint and records.
tuned_checksum() {
  /usr/bin/python3 -c 'import sys, zlib; print("%08x" % zlib.crc32(open(sys.argv[1], "rb").read()))' \
    "$TUNED_DIR/data/strings.txt"
}

# quick_loss_data ROOT: tuned_data with a health of 1 and a fast first wave that starts at once, so
# the first escaped invader ends the game within seconds.
quick_loss_data() {
  tuned_data "$1" <<'KEYS'
StartingHealth=1
TimeBetweenWaves=0
Wave1SpeedBase=400
Wave1SpeedMax=400
KEYS
}
