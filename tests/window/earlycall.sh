#!/usr/bin/env bash
# N in the first pause calls wave 1 at once: its banner shows in the next frames and the money
# grows by the early-call bonus for the many seconds that were left; a second N does nothing.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
MONEY=100x20+0+456        # "$ 150" in window pixels
BANNER=240x60+200+140     # where "Wave 1" bounces
# A pause of a minute: a wave seen within seconds can only have been called.
tuned_data "$ROOT" <<'KEYS'
TimeBetweenWaves=60
EarlyCallBonus=2
KEYS

start_x
start_game "$GAME" "$TUNED_DIR"
move_to 160 120
screenshot before
press_key n
screenshot called
expect_change before called "$BANNER" 200 "N did not start wave 1"
expect_change before called "$MONEY" 20 "the money did not show the early-call bonus"
# The "+$N" text rises from above the money, outside the money's place.
screenshot later
press_key n
screenshot again
[ "$(changed_pixels later again "$MONEY")" -lt 20 ] || fail "a second N during the wave changed the money"
press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
pass earlycall
