#!/usr/bin/env bash
# The Debian package as a player gets it: made by scripts/package.sh (which rebuilds only what
# changed), unpacked into a scratch root and run from an unrelated working directory. Checks
# --version, --help, a missing --data folder, bad options, the default window and its close
# button, building a tower in a --scale 3 window, and --fullscreen.
# Arguments: GAME_BINARY SOURCE_DIR (the game under test is the packaged one)
source "$(dirname "$0")/support/lib.sh"
ROOT="$(realpath "$2")"
XVFB_SCREEN=1280x1024x24

package=$(bash "$ROOT/scripts/package.sh") || { echo "FAIL: scripts/package.sh failed" >&2; exit 1; }
package="$ROOT/$package"
UNPACKED=$(mktemp -d)
ELSEWHERE=$(mktemp -d)
trap 'rm -rf "$UNPACKED" "$ELSEWHERE"' EXIT
dpkg -x "$package" "$UNPACKED"
GAME="$UNPACKED/usr/games/squibble-siege"
[ -x "$GAME" ] || fail "the package holds no usr/games/squibble-siege"
for tool in mztool balance; do
  [ -x "$UNPACKED/usr/games/squibble-siege-$tool" ] || fail "the package holds no squibble-siege-$tool"
done
for file in share/applications/org.squibblesiege.SquibbleSiege.desktop share/metainfo/org.squibblesiege.SquibbleSiege.metainfo.xml \
            share/man/man6/squibble-siege.6.gz share/man/man6/squibble-siege-mztool.6.gz \
            share/man/man6/squibble-siege-balance.6.gz share/doc/squibble-siege/copyright \
            share/games/squibble-siege/data/strings.txt; do
  [ -s "$UNPACKED/usr/$file" ] || fail "the package holds no usr/$file"
done
for size in 16 32 48 64 128 256; do
  icon="$UNPACKED/usr/share/icons/hicolor/${size}x${size}/apps/squibble-siege.png"
  [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size} x ${size} icon"
done
cd "$ELSEWHERE"

# Answers on the terminal, without a window.
version=$(dpkg-deb -f "$package" Version)
answer=$("$GAME" --version) || fail "--version gave status $?"
[ "$answer" = "squibble-siege $version" ] || fail "--version printed '$answer'"
"$GAME" --help >"$SHOTS_DIR/help.out" || fail "--help gave status $?"
for expected in --data --scale --fullscreen "Right click" "$UNPACKED/usr/share/games/squibble-siege"; do
  grep -qF -- "$expected" "$SHOTS_DIR/help.out" || fail "--help does not mention $expected"
done
"$GAME" --data "$ELSEWHERE/missing" 2>"$SHOTS_DIR/missing.err"; status=$?
[ "$status" -eq 1 ] || fail "a missing --data folder gave status $status"
grep -qF "$ELSEWHERE/missing" "$SHOTS_DIR/missing.err" || fail "the error does not name the missing folder"
for bad in "--bogus" "--scale 9" "--scale x"; do
  # shellcheck disable=SC2086
  "$GAME" $bad 2>"$SHOTS_DIR/bad.err"; status=$?
  [ "$status" -eq 2 ] || fail "'$bad' gave status $status"
  [ "$(wc -l <"$SHOTS_DIR/bad.err")" -eq 1 ] || fail "'$bad' printed more than one line"
  grep -q "usage: squibble-siege" "$SHOTS_DIR/bad.err" || fail "'$bad' printed no usage"
done

start_x
# The default window finds the installed data beside the program; its close button quits.
start_game "$GAME" "$ELSEWHERE"
xdotool getwindowgeometry "$WINDOW" | grep -q "640x480" || fail "the default window is not 640 x 480"
close_window
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing the window gave status $GAME_STATUS"

# Scale 3: a 960 x 720 window, clicked at three times the back-buffer position. Closing the last
# game in the pause before its first wave kept a checkpoint: each run here starts a new game instead.
SCALE=3
rm -rf "$XDG_STATE_HOME"
start_game "$GAME" "$ELSEWHERE" --scale 3
geometry=$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)
echo "$geometry" | grep -q "960x720" || fail "--scale 3 opened $geometry"
screenshot scaled_idle
click_at 309 229               # build button 0: the laser turret
click_at 100 200               # build it, centred on x 100
click_at 100 200 3             # right click: stop placing
screenshot scaled_built
expect_change scaled_idle scaled_built 150x30+0+684 30 "money did not change in the scaled window"
expect_change scaled_idle scaled_built 60x90+279+570 200 "no tower stands at x 100 in the scaled window"
close_window
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing the scaled window gave status $GAME_STATUS"

# Full screen: the whole 1280 x 1024 screen with the picture at 4 x, 32 pixels of black above
# and below, the pointer mapped through the same offset; or, where the X server sets no
# full-screen mode, the largest window that fits (4 x: 1280 x 960) and one line saying so.
rm -rf "$XDG_STATE_HOME"
start_game "$GAME" "$ELSEWHERE" --fullscreen
if grep -q "window" "$SHOTS_DIR/game.err"; then
  geometry=$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)
  echo "$geometry" | grep -q "1280x960" || fail "--fullscreen fell back to $geometry"
else
  screenshot fullscreen_idle
  for y in 10 1015; do
    [ "$(pixel_at fullscreen_idle 640 $y)" = "0,0,0" ] || fail "no black border at y $y in full screen"
  done
  [ "$(pixel_at fullscreen_idle 640 100)" != "0,0,0" ] || fail "the full-screen picture is not shown"
  click_screen() {
    xdotool mousemove $(( $1 * 4 + 1 )) $(( 32 + $2 * 4 + 1 )); sleep 0.1
    xdotool mousedown "${3:-1}"; sleep 0.15; xdotool mouseup "${3:-1}"; sleep 0.15
  }
  click_screen 309 229
  click_screen 200 200
  click_screen 200 200 3
  screenshot fullscreen_built
  expect_change fullscreen_idle fullscreen_built 80x120+760+752 300 "no tower stands at x 200 in full screen"
fi
close_window
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing the full-screen game gave status $GAME_STATUS"
pass package
