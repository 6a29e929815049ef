#!/usr/bin/env bash
# Game over shows the best record and "Press Enter to play again"; Enter starts a new game in the
# same window with its "Wave 1" banner. P freezes the field and losing the focus pauses it too.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

quick_loss_data "$ROOT"
# A private record folder holding a best of 5 for the tuned data set.
export XDG_DATA_HOME="$TUNED_DIR/share"
record="$XDG_DATA_HOME/squibble-siege/best-$(tuned_checksum).txt"
mkdir -p "$(dirname "$record")"
echo 5 >"$record"

# not_grey SHOT GEOMETRY: pixels in a region (window coordinates) that are not grey: ink of colour.
not_grey() {
  convert "$SHOTS_DIR/$1.png" -crop "$2" +repage -colorspace HSL -channel G -separate +channel \
    -threshold 10% -format "%[fx:round(mean*w*h)]" info:
}

# white_in SHOT GEOMETRY: pure white pixels in a region; the sky there has none, the main font's ink does.
white_in() {
  convert "$SHOTS_DIR/$1.png" -crop "$2" +repage "$SHOTS_DIR/.white.png"
  colour_count .white 255 255 255
}

start_x
start_game "$GAME" "$TUNED_DIR"
move_to 10 10
sleep 4
screenshot over
# Over the grey field: the record's line in red under "Waves Defeated", and the offer below the dialog.
[ "$(not_grey over 240x16+200+164)" -gt 20 ] || fail "no \"Best\" line under the caption"
[ "$(not_grey over 240x16+200+280)" -gt 20 ] || fail "no \"Press Enter to play again\""
[ "$(cat "$record")" = 5 ] || fail "a game without a new best changed the record to $(cat "$record")"

# Enter, and P at once, before the quick invaders reach the bottom: the new game stands still.
press_key Return
press_key p
screenshot again
[ "$(not_grey again 640x100+0+0)" -gt 10000 ] || fail "the field is still grey after Enter"
expect_change over again 240x16+200+280 20 "the offer to play again stayed after Enter"
expect_change over again 120x20+0+440 50 "no status row in the new game"
# The banner pops in at once (no pause before the wave) and bounces about y = 80.
[ "$(white_in again 240x56+200+140)" -gt 20 ] || fail "no \"Wave 1\" banner in the new game"
sleep 1
screenshot paused
[ "$(changed_pixels again paused 640x430+0+0)" = 0 ] || fail "the field moved while paused"
press_key p
sleep 4
screenshot over2
[ "$(not_grey over2 640x100+0+0)" -lt 200 ] || fail "the second game did not go on to its end"

# Losing the focus pauses a running game; P (back in the window) resumes it.
press_key Return
# Focus on the root window gives the keys to the window under the pointer: so the pointer leaves first.
xdotool windowfocus "$WINDOW"
xdotool mousemove 790 590
xdotool windowfocus "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
sleep 0.2
screenshot away1
sleep 1
screenshot away2
[ "$(changed_pixels away1 away2 640x430+0+0)" = 0 ] || fail "the field moved after the window lost the focus"
xdotool windowfocus "$WINDOW"
press_key p
sleep 4
screenshot over3
[ "$(not_grey over3 640x100+0+0)" -lt 200 ] || fail "P did not resume the game paused by the focus loss"

close_window
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing gave status $GAME_STATUS"
stop_x
echo "playagain: passed"
