#!/usr/bin/env bash
# Danger seen coming. The wave panel weighs the next wave against the towers standing: with none
# its threat bar is red ("Heavy for your defence"), and three laser turrets built turn it yellow
# ("Even") or green ("Light"). Once the wave marches, the health bar's warning starts while the block's lowest row is
# still two row-steps above the ground, not one.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
PANEL=300x140+340+0            # the wave panel and its threat bar, top right
STATUS=120x30+16+434           # around the health bar, where the warning flashes
FIELD=600x436+20+0             # the field above the status row, right of the edge marker
NOTCH=8x436+0+0                # the edge marker, whose notch turns red with the warning

# colour_in SHOT GEOMETRY R G B: pixels of exactly this colour in a region of a screenshot.
colour_in() {
  convert "$SHOTS_DIR/$1.png" -crop "$2" +repage -fill black +opaque "rgb($3,$4,$5)" -fill white +opaque black \
    -format "%[fx:round(mean*w*h)]" info:
}
flashing() { screenshot flash; [ "$(colour_in flash "$STATUS" 251 242 54)" -gt 50 ]; }
# lowest_change SHOT_A SHOT_B: the lowest window row of the field that differs between two shots.
lowest_change() {
  convert "$SHOTS_DIR/$1.png" -crop "$FIELD" +repage "$SHOTS_DIR/.a.png"
  convert "$SHOTS_DIR/$2.png" -crop "$FIELD" +repage "$SHOTS_DIR/.b.png"
  compare "$SHOTS_DIR/.a.png" "$SHOTS_DIR/.b.png" -compose src -highlight-color white -lowlight-color black \
    "$SHOTS_DIR/.diff.png" 2>/dev/null
  convert "$SHOTS_DIR/.diff.png" -trim -format "%[fx:page.y+h-1]" info: 2>/dev/null
}

# A slow first wave that waits for N.
tuned_data "$ROOT" <<END
TimeBetweenWaves=1000
Wave1SpeedBase=20
Wave1SpeedMax=20
END
start_x
start_game "$GAME" "$TUNED_DIR"
sleep 1
screenshot bare
red=$(colour_in bare "$PANEL" 217 87 99)
[ "$red" -gt 40 ] || fail "with no tower the threat bar is not red ($red red pixels)"
for x in 60 160 260; do
  click_at 309 229             # build button 0: the laser turret
  click_at "$x" 200
  click_at "$x" 200 3
done
sleep 0.5
screenshot defended
red=$(colour_in defended "$PANEL" 217 87 99)
green=$(colour_in defended "$PANEL" 106 190 48)
yellow=$(colour_in defended "$PANEL" 251 242 54)
[ "$red" -lt 10 ] && [ $((green + yellow)) -gt 10 ] ||
  fail "three laser turrets did not lighten the threat ($red red, $yellow yellow, $green green pixels)"

# A new game at the same difficulty, so that nothing shoots the block down on its way.
press_key F2
press_key Return
sleep 0.5
screenshot before_wave
press_key n
# The marker's notch turns red as the warning starts and stays red (the health bar's frame only
# flashes): the first shot with it red is the warning's start, and the bar flashes then too.
found=""
for _ in $(seq 1 600); do
  screenshot warning
  if [ "$(colour_in warning "$NOTCH" 217 87 99)" -gt 4 ]; then found=1; break; fi
done
[ -n "$found" ] || fail "the marker never warned"
bottom=$(lowest_change before_wave warning)
wait_for 3 "the health bar did not flash with the warning" flashing
# An invader's frame is 12 high and the ground line is 190: a row one step up ends at 186 (372 in
# the window), two steps up at 170 (340). A frame or two of slack is allowed for the screenshot.
echo "the warning started with the lowest row's foot at window row $bottom"
[ -n "$bottom" ] && [ "$bottom" -lt 360 ] || fail "the warning started late: the lowest row's foot at $bottom"
[ "$bottom" -gt 300 ] || fail "the warning started early: the lowest row's foot at $bottom"
press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
pass threat
