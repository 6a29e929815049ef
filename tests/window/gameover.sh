#!/usr/bin/env bash
# When health runs out the field turns grey under "Game Over" with the quit dialog; "No" leaves the
# picture up, Esc brings the dialog back and "Yes" quits.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

quick_loss_data "$ROOT"

start_x
start_game "$GAME" "$TUNED_DIR"
move_to 10 10
wait_for 30 "the field did not turn grey" field_is_grey over
[ "$(colour_count over 255 0 255)" -eq 0 ] || fail "mask colour shows on screen"
click_at 160 122               # "No"
screenshot no
expect_change over no 200x40+220+210 50 "the dialog did not close on No"
press_key Escape
screenshot again
expect_change no again 200x40+220+210 50 "Esc did not bring the dialog back"
click_at 160 112               # "Yes"
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
pass gameover
