#!/usr/bin/env bash
# The desktop knows the window as the game's: its class is the desktop entry's StartupWMClass, it
# carries the icon at every size the package installs and the game's process id. When the display
# goes away the game ends at once with status 1 and one line, never hanging in the library.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

entry_class=$(sed -n 's/^StartupWMClass=//p' "$ROOT"/packaging/*.desktop)
[ -n "$entry_class" ] || fail "the desktop entry names no StartupWMClass"

start_x
start_game "$GAME" "$ROOT"
class=$(xprop -id "$WINDOW" WM_CLASS)
[ "$class" = "WM_CLASS(STRING) = \"$entry_class\", \"$entry_class\"" ] || fail "the window's class is $class"
pid=$(xprop -id "$WINDOW" _NET_WM_PID)
[ "$pid" = "_NET_WM_PID(CARDINAL) = $GAME_PID" ] || fail "the window's process is $pid, not $GAME_PID"
xprop -len 1000000 -id "$WINDOW" _NET_WM_ICON >"$SHOTS_DIR/icon.txt"
for size in $(sed -n 's/^foreach(size \(.*\))$/\1/p' "$ROOT/packaging/CMakeLists.txt"); do
  grep -q "Icon ($size x $size)" "$SHOTS_DIR/icon.txt" || fail "the window has no $size x $size icon"
done

# The display goes away under the game.
lines=$(wc -l <"$SHOTS_DIR/game.err")
kill -9 "$XVFB_PID"
lost=$(date +%s%N)
until game_gone; do
  [ $(( $(date +%s%N) - lost )) -lt 1000000000 ] || fail "the game still runs a second after its display went away"
  sleep 0.02
done
wait_exit 1
[ "$GAME_STATUS" -eq 1 ] || fail "the lost display gave status $GAME_STATUS"
[ "$(tail -n +$(( lines + 1 )) "$SHOTS_DIR/game.err" | wc -l)" -eq 1 ] ||
  fail "the lost display was not told in one line: $(tail -n +$(( lines + 1 )) "$SHOTS_DIR/game.err")"
pass desktop
