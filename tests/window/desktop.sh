#!/usr/bin/env bash
# The window's class is the desktop entry's StartupWMClass, it carries the icon at every size the
# package installs and the game's process id; when the display goes away the game ends within a
# second with status 1 and one line, never hanging in the library, and a settings change still
# waiting for its one-second spacing is written first. A logout (SIGTERM and the display gone at
# once) keeps the pause between waves, as a close does.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

class=$(sed -n 's/^StartupWMClass=//p' "$ROOT"/packaging/*.desktop)
start_x
start_game "$GAME" "$ROOT"
[ "$(xprop -id "$WINDOW" WM_CLASS)" = "WM_CLASS(STRING) = \"$class\", \"$class\"" ] || fail "class is not '$class'"
[ "$(xprop -id "$WINDOW" _NET_WM_PID)" = "_NET_WM_PID(CARDINAL) = $GAME_PID" ] || fail "no process id $GAME_PID"
for size in $(sed -n 's/^foreach(size \(.*\))$/\1/p' "$ROOT/packaging/CMakeLists.txt"); do
  xprop -len 1000000 -id "$WINDOW" _NET_WM_ICON | grep -q "Icon ($size x $size)" || fail "no $size x $size icon"
done

lines=$(wc -l <"$SHOTS_DIR/game.err")
press_key minus; press_key minus # the second waits for the first's second to pass
kill -9 "$XVFB_PID"
timeout 1 bash -c "while kill -0 $GAME_PID; do sleep 0.02; done" 2>/dev/null || fail "the game runs on without its display"
wait_exit 1
[ "$GAME_STATUS" -eq 1 ] || fail "the lost display gave status $GAME_STATUS"
[ "$(tail -n +$(( lines + 1 )) "$SHOTS_DIR/game.err" | wc -l)" -eq 1 ] || fail "the lost display not told in one line"
grep -qx "Volume=80" "$XDG_CONFIG_HOME/squibble-siege/settings.txt" || fail "the last change was lost with the display"

start_x
start_game "$GAME" "$ROOT"
click_at 309 229; click_at 100 200
kill -TERM "$GAME_PID"; kill -9 "$XVFB_PID"
wait_exit 2
grep -q "^Tower=LaserTurret" "$XDG_STATE_HOME"/squibble-siege/checkpoint-*.txt || fail "the logout lost the pause"
pass desktop
