#!/usr/bin/env bash
# Every F11 switches between the window and full screen exactly once, settled within half a second
# and staying so, also when held past its repeat delay: without a window manager, then under
# Openbox. SWITCHES sets the presses of each (the long run is SWITCHES=50).
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

start_x
for manager in none openbox; do
  [ "$manager" = none ] || { openbox >/dev/null 2>&1 & /usr/bin/python3 "$HERE_LIB/wm_ready.py" 15 || fail "no Openbox"; }
  start_game "$GAME" "$ROOT"
  /usr/bin/python3 "$HERE_LIB/switch_screen.py" "$WINDOW" "${SWITCHES:-10}" 1.0 || fail "F11 unsteady ($manager)"
  close_window
  wait_exit 10
done
pass fullscreen "${SWITCHES:-10} presses each"
