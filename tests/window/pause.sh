#!/usr/bin/env bash
# P dims the field to about half its brightness under a boxed "Paused" and greys the build bar.
# The pause draws again only when something changes, and then at once: the help, "New Game?" and
# a pointer over its buttons.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

# Sum of the three channels at a screen pixel of a shot.
brightness() { local r g b; IFS=, read -r r g b <<<"$(pixel_at "$1" "$2" "$3")"; echo $(( r + g + b )); }

start_x
start_game "$GAME" "$ROOT"
move_to 160 150
screenshot playing
press_key p
screenshot paused
for point in "20 20" "600 300" "80 400"; do
  set -- $point
  lit=$(brightness playing "$1" "$2"); dim=$(brightness paused "$1" "$2")
  [ "$lit" -gt 60 ] || fail "the field at $1,$2 is too dark to tell ($lit)"
  [ $(( dim * 2 )) -ge $(( lit - 12 )) ] && [ $(( dim * 2 )) -le $(( lit + 12 )) ] ||
    fail "the pause did not halve the field at $1,$2: $lit playing, $dim paused"
done
IFS=, read -r r g b <<<"$(pixel_at paused 620 450)"
[ "$r" = "$g" ] && [ "$g" = "$b" ] || fail "the build bar is not grey in the pause ($r,$g,$b)"
press_key h
screenshot help
expect_change paused help 640x480+0+0 2000 "the help did not show over the pause"
press_key h
screenshot unhelped
[ "$(changed_pixels paused unhelped 340x480+0+0)" -lt 1000 ] || fail "the pause did not come back after the help"
press_key F2
screenshot dialog
move_to 160 124
screenshot pointed
expect_change dialog pointed 80x20+280+238 20 "the pointer over No did not light it in the pause"
close_window
wait_exit 10
pass pause
