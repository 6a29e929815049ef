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
started=$(date +%s.%N)
# The banner pops in at the start of the wave and bounces for about a second.
sleep "$(awk -v p="$pause" -v s="$started" -v n="$(date +%s.%N)" 'BEGIN { print p + 0.6 - (n - s) }')"
screenshot banner
expect_change before banner 240x60+200+140 200 "no banner in the middle of the field"
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
stop_x
echo "waves: passed"
