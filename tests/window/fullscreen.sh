#!/usr/bin/env bash
# Every F11 switches between the window and full screen exactly once, settled within half a second
# and staying so, also when the key is held past its repeat delay: without a window manager and
# under Openbox. SWITCHES sets the presses of each run (the long run is SWITCHES=50).
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
switches=${SWITCHES:-10}

start_x
for manager in none openbox; do
  if [ "$manager" = openbox ]; then
    openbox >/dev/null 2>&1 &
    /usr/bin/python3 "$HERE_LIB/wm_ready.py" 15 || fail "Openbox did not start"
  fi
  start_game "$GAME" "$ROOT"
  /usr/bin/python3 "$HERE_LIB/switch_screen.py" "$GAME_PID" "$switches" 1.0 ||
    fail "F11 without a steady switch (window manager: $manager)"
  close_window
  wait_exit 10
  [ "$GAME_STATUS" -eq 0 ] || fail "closing gave status $GAME_STATUS (window manager: $manager)"
done
pass fullscreen "$switches presses each"
