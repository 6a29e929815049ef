#!/usr/bin/env bash
# Holding Tab runs the game eight times as fast: the first wave, twenty seconds away, is on the
# field within a few seconds; clicks made with Tab held build a tower; the game then quits
# through the dialog.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
MONEY=100x20+0+456       # "$ 150" in window pixels
TOP=640x100+0+0          # where a new wave enters

tuned_data "$ROOT" <<'KEYS'
TimeBetweenWaves=20
KEYS
start_x
start_game "$GAME" "$TUNED_DIR"
screenshot before
started=$(date +%s.%N)
xdotool keydown Tab
sleep 3.5
screenshot tabbed
held=$(awk -v s="$started" -v n="$(date +%s.%N)" 'BEGIN { print int(n - s) }')
[ "$held" -lt 15 ] || fail "the machine was too slow to tell: $held s passed"
expect_change before tabbed "$TOP" 200 "with Tab held the first wave did not come within $held s"

click_at 309 229               # the laser turret's build button, Tab still held
click_at 100 200               # build it
click_at 100 200 3             # stop placing
screenshot built
xdotool keyup Tab
expect_change tabbed built "$MONEY" 20 "money did not change when the tower was built under Tab"
press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting through the dialog gave status $GAME_STATUS"
stop_x
echo "fastforward: passed"
