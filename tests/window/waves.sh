#!/usr/bin/env bash
# The first wave arrives with its bouncing banner and marches; Esc opens the quit dialog and
# clicking "Yes" ends the game with status 0.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
pause=$(grep -E '^TimeBetweenWaves=' "$ROOT/data/strings.txt" | cut -d= -f2)

start_x
start_game "$GAME" "$ROOT"
screenshot before
# The banner pops in at the start of the wave, after the pause, and bounces for about a second;
# invaders enter at the top. Each is looked for until it shows, within the pause and some slack.
screenshot banner
limit=$(awk -v p="$pause" 'BEGIN { printf "%d", p + 20 }')
wait_for "$limit" "no banner in the middle of the field" changed_enough before banner 240x60+200+140 200
expect_change before banner 640x100+0+0 200 "no invaders entered at the top"
sleep 1
screenshot march1
sleep 1
screenshot march2
expect_change march1 march2 640x160+0+0 100 "the invader block did not move"
press_key Escape
screenshot dialog
expect_change march2 dialog 200x50+220+175 50 "no quit dialog after Esc"
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting through the dialog gave status $GAME_STATUS"
pass waves
