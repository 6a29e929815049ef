# Shared helpers of the real-window tests: a private X server, the game window, input and pictures.
# Usage in a test: source this file, then start_x; start_game BINARY DIR; ... ; stop_x.

set -u
HERE_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SHOTS_DIR="${SHOTS_DIR:-${TMPDIR:-/tmp}/squibble-shots}"
mkdir -p "$SHOTS_DIR"

fail() { echo "FAIL: $*" >&2; stop_x; exit 1; }

start_x() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-800x600x24}" -nolisten tcp 3>"$fdfile" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n 1 "$fdfile")"
  rm -f "$fdfile"
}

stop_x() {
  [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "${TUNED_DIR:-}" ] && rm -rf "$TUNED_DIR"
  GAME_PID=""; XVFB_PID=""; TUNED_DIR=""
}

# start_game BINARY WORKDIR [OPTIONS...]: starts the game there, waits for its window, sets GAME_PID and WINDOW.
start_game() {
  (cd "$2" && exec "$1" "${@:3}") >"$SHOTS_DIR/game.out" 2>"$SHOTS_DIR/game.err" &
  GAME_PID=$!
  WINDOW=""
  # A loaded machine can take a while to start the game; give it up to 30 seconds.
  for _ in $(seq 300); do
    WINDOW=$(xdotool search --pid "$GAME_PID" 2>/dev/null | tail -n 1 || true)
    [ -z "$WINDOW" ] && WINDOW=$(xdotool search --name "Squibble Siege" 2>/dev/null | tail -n 1 || true)
    [ -n "$WINDOW" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared: $(cat "$SHOTS_DIR/game.err")"
    sleep 0.1
  done
  [ -n "$WINDOW" ] || fail "the game window did not appear"
  sleep 0.5
}

# wait_exit SECONDS: waits for the game to end and sets GAME_STATUS.
wait_exit() {
  for _ in $(seq $(( $1 * 10 ))); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not end within $1 seconds"
  wait "$GAME_PID"; GAME_STATUS=$?
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

# changed_pixels SHOT_A SHOT_B GEOMETRY: how many pixels differ between two screenshots in a region
# given as ImageMagick geometry (WxH+X+Y, window coordinates).
changed_pixels() {
  convert "$SHOTS_DIR/$1.png" -crop "$3" +repage "$SHOTS_DIR/.a.png"
  convert "$SHOTS_DIR/$2.png" -crop "$3" +repage "$SHOTS_DIR/.b.png"
  compare -metric AE "$SHOTS_DIR/.a.png" "$SHOTS_DIR/.b.png" null: 2>&1 | cut -d' ' -f1
}

# expect_change SHOT_A SHOT_B GEOMETRY MINIMUM WHAT: fails unless at least MINIMUM pixels changed.
expect_change() {
  local changed
  changed=$(changed_pixels "$1" "$2" "$3")
  [ "${changed%.*}" -ge "$4" ] || fail "$5 (only $changed pixels changed in $3)"
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
