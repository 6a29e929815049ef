#!/usr/bin/env bash
# A missile turret stepped with T: its panel line changes and comes round to First again after four
# more presses, and under the debug overlay every missile's magenta square stands on the level of
# the lowest cyan invader dot.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
tuned_data "$ROOT" <<'KEYS'
StartingMoney=500
StartingHealth=100
TimeBetweenWaves=10
Wave1SpeedBase=30
Invader1.Health=100000
KEYS
spacing=$(grep -E '^ButtonSpacing=' "$ROOT/data/strings.txt" | cut -d= -f2)
# aim_ink SHOT: takes a screenshot and keeps the white letters of the panel's "Aims at" line (under
# the kind's name, its role and its four figures).
aim_ink() { screenshot "$1"; convert "$SHOTS_DIR/$1.png" -crop 134x16+4+105 +repage -fill black +opaque white "$SHOTS_DIR/$1-ink.png"; }
same_ink() { [ "$(compare -metric AE "$SHOTS_DIR/$1-ink.png" "$SHOTS_DIR/$2-ink.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
# aims_at_lowest SHOT: status 0 and the count of dot rows when the magenta squares centre on the
# lowest dot's level, 1 when they do not, 2 when there is nothing to judge yet.
aims_at_lowest() {
  convert "$SHOTS_DIR/$1.png" -crop 640x400+0+0 +repage txt:- | awk -F'[ ,:()]+' '
    NR > 1 && $3 > 200 && $4 < 60 && $5 > 200 { if (!m || $2 < top) top = $2; if (!m || $2 > bottom) bottom = $2; m++ }
    NR > 1 && $3 < 60 && $4 > 200 && $5 > 200 { rows[int($2 / 4)] = 1; if ($2 > lowest) lowest = $2; c++ }
    END { if (!m || !c || lowest < 8) exit 2; n = 0; for (row in rows) n++
      d = (top + bottom) / 2 - lowest; if (d > 2 || d < -2) { print "square at " (top + bottom) / 2 ", lowest dot at " lowest; exit 1 }
      print n }'
}
start_x
start_game "$GAME" "$TUNED_DIR"
click_at $(( 309 - spacing )) 229   # the missile turret
click_at 160 200; click_at 160 200 3
click_at 160 210; move_to 160 120   # select it
aim_ink random; press_key t; aim_ink first
same_ink random first && fail "the panel did not change when T was pressed"
for _ in 1 2 3 4; do press_key t; done
aim_ink again
same_ink first again || fail "four more presses of T did not show First again"
press_key d
seen=0
check_missile() {
  screenshot sky
  local verdict status
  verdict=$(aims_at_lowest sky); status=$?
  [ "$status" -eq 1 ] && fail "a missile chases an invader above the lowest row: $verdict"
  [ "$status" -eq 0 ] && [ "$verdict" -ge 2 ] && seen=$(( seen + 1 ))
  [ "$seen" -ge 5 ]
}
wait_for 60 "no missile was seen chasing an invader with two rows in sight" check_missile
close_window; wait_exit 10
pass targeting "$seen pictures"
