#!/usr/bin/env bash
# Plays as a person would: builds a laser turret, watches its bolts fly, selects it, buys an
# upgrade, demolishes it and quits through the dialog.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
spacing=$(grep -E '^ButtonSpacing=' "$ROOT/data/strings.txt" | cut -d= -f2)
MONEY=100x20+0+456       # "$ 150" in window pixels
BAR=200x40+440+440       # the button bar and its captions
COLUMN=24x260+188+150    # the air above a tower at x 100, below the clouds

start_x
start_game "$GAME" "$ROOT"
screenshot idle
click_at 309 229               # build button 0: the laser turret
move_to 100 200
screenshot placing
expect_change idle placing 640x80+0+380 100 "no placement preview under the pointer"
click_at 100 200               # build it, centred on x 100
click_at 100 200 3             # right click: stop placing
screenshot built
expect_change idle built "$MONEY" 20 "money did not change when the tower was built"

# Bolts fly straight up from the muzzle.
screenshot bolt0
bolts_moving() {
  screenshot bolt1
  local changed
  changed=$(changed_pixels bolt0 bolt1 "$COLUMN")
  cp "$SHOTS_DIR/bolt1.png" "$SHOTS_DIR/bolt0.png"
  [ "${changed%.*}" -gt 0 ]
}
wait_for 20 "no bolts flew above the tower" bolts_moving

click_at 100 210               # select the tower
screenshot selected
expect_change built selected "$BAR" 100 "selecting the tower did not change the button bar"
click_at $(( 300 - spacing + 9 )) 229   # upgrade path 1, level 1
screenshot upgraded
expect_change selected upgraded "$MONEY" 20 "buying an upgrade did not take money"
click_at 309 229               # demolish
screenshot demolished
expect_change upgraded demolished 40x60+186+380 100 "the demolished tower is still standing"
press_key Escape
click_at 160 112
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "quitting gave status $GAME_STATUS"
pass towers
