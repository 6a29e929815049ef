#!/usr/bin/env bash
# Plays with the keyboard alone: 1 places the tower of the leftmost build button (the keys count
# the buttons from the left), 3 chooses the laser turret, Shift and the arrows move it, Space
# builds it, Backspace stops placing, Left selects it, 2 buys its second upgrade from the left and
# Delete demolishes it; the money shown changes at each of the three. Then F11 goes to full screen and back: the picture
# and the game are there on both sides, and the choice is kept in the settings file.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
MONEY=100x20+0+456       # "$ 150" in window pixels
SETTINGS="$XDG_CONFIG_HOME/squibble-siege/settings.txt"

start_x
start_game "$GAME" "$ROOT"
move_to 100 100                # the preview starts at the pointer's x
screenshot idle
press_key 1
screenshot leftmost
expect_change idle leftmost 640x80+0+380 100 "1 showed no placement preview"
# The placing button shows the icon of the kind being placed: it is the leftmost build button's.
# Icons are compared by their top-left 12 x 12 pixels, clear of the buttons' key digits.
icon_at() { echo "24x24+$(( 2 * (301 - 22 * $1) ))+442"; }
icon_difference() {
  convert "$SHOTS_DIR/leftmost.png" -crop "$(icon_at 0)" +repage "$SHOTS_DIR/.placing_icon.png"
  convert "$SHOTS_DIR/idle.png" -crop "$(icon_at "$1")" +repage "$SHOTS_DIR/.button_icon.png"
  compare -metric AE "$SHOTS_DIR/.placing_icon.png" "$SHOTS_DIR/.button_icon.png" null: 2>&1 | cut -d' ' -f1
}
leftmost=$(icon_difference 2)
for button in 0 1; do
  [ "$leftmost" -lt "$(icon_difference $button)" ] || fail "1 did not choose the leftmost button's tower"
done
press_key BackSpace
press_key 3
screenshot placing
expect_change idle placing 640x80+0+380 100 "3 showed no placement preview"
xdotool keydown Shift_L; press_key Right; press_key Right; xdotool keyup Shift_L
press_key Left
screenshot moved
expect_change placing moved 640x60+0+380 100 "Shift and the arrows did not move the preview"
press_key space; press_key BackSpace
screenshot built
expect_change idle built "$MONEY" 20 "the money did not change when Space built the tower"
press_key Left
screenshot selected
expect_change built selected 200x40+440+440 100 "Left did not select the tower"
press_key 2
screenshot upgraded
expect_change selected upgraded "$MONEY" 20 "2 did not buy an upgrade"
press_key Delete
screenshot demolished
expect_change upgraded demolished "$MONEY" 20 "Delete did not give money back"
expect_change upgraded demolished 40x60+210+380 100 "the demolished tower is still standing"

# On the 800 x 600 server the full screen centres the picture, twice the size, on black.
press_key F11
full_screen_shown() { screenshot full; [ "$(pixel_at full 20 300)" = "0,0,0" ] && [ "$(pixel_at full 400 200)" != "0,0,0" ]; }
wait_for 15 "F11 did not show the picture centred on a full screen" full_screen_shown
# Settings are written at most once a second: the file follows within a few.
kept() { grep -qx "$1" "$SETTINGS"; }
wait_for 5 "full screen was not kept" kept Fullscreen=1
press_key 3                    # the game goes on: the laser turret's preview under the pointer
screenshot full_placing
expect_change full full_placing 800x120+0+420 100 "the game did not answer in full screen"
press_key BackSpace; press_key F11
windowed_shown() { screenshot windowed; [ "$(pixel_at windowed 20 300)" != "0,0,0" ] && [ "$(pixel_at windowed 700 300)" = "0,0,0" ]; }
wait_for 15 "F11 did not bring the window back" windowed_shown
wait_for 5 "the window was not kept" kept Fullscreen=0
[ "$(changed_pixels demolished windowed "$MONEY")" = 0 ] || fail "the money changed on the way"
press_key Escape; click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
pass keyboard
