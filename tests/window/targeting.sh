#!/usr/bin/env bash
# Targeting as a player sets it: a missile turret selected, T pressed until the panel's aim line
# shows First (the line changes with each press and comes round again after four); the run's
# checkpoint says First; and with the debug overlay on, every missile chases an invader of the
# lowest row (its magenta square on the level of the lowest cyan invader dots).
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

# Money for the turret, time to set it before wave 1, and invaders nothing destroys, so the rows stay.
tuned_data "$ROOT" <<'KEYS'
StartingMoney=500
StartingHealth=100
TimeBetweenWaves=10
Wave1SpeedBase=30
Wave1SpeedMax=30
Invader1.Health=100000
KEYS
spacing=$(grep -E '^ButtonSpacing=' "$ROOT/data/strings.txt" | cut -d= -f2)
checkpoint="$XDG_STATE_HOME/squibble-siege/checkpoint-$(/usr/bin/python3 -c 'import sys, zlib
print("%08x" % zlib.crc32(open(sys.argv[1], "rb").read()))' "$TUNED_DIR/data/strings.txt").txt"
PANEL=134x16+4+89   # the figures panel's "Aims at" line, top-left of the sky
SKY=640x400+0+0     # where the invaders and missiles are

# ink SHOT: the panel's pure white letters alone, as a picture of their own.
ink() {
  convert "$SHOTS_DIR/$1.png" -crop "$PANEL" +repage -fill black +opaque white "$SHOTS_DIR/$1-ink.png"
}
same_ink() { [ "$(compare -metric AE "$SHOTS_DIR/$1-ink.png" "$SHOTS_DIR/$2-ink.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
aim_shot() { screenshot "$1"; ink "$1"; }

# aims_at_lowest SHOT: prints "rows N" when the shot holds a magenta square centred on the level of
# the lowest cyan dot, with N rows of dots; fails when a square stands anywhere else; status 2 when
# there is nothing to judge (no square, no dot, or the lowest row still at the top edge).
aims_at_lowest() {
  convert "$SHOTS_DIR/$1.png" -crop "$SKY" +repage txt:- | awk -F'[ ,:()]+' '
    NR > 1 { y = $2; r = $3; g = $4; b = $5
      if (r > 200 && g < 60 && b > 200) { if (!m || y < top) top = y; if (!m || y > bottom) bottom = y; m++ }
      if (r < 60 && g > 200 && b > 200) { rows[int(y / 4)] = 1; if (!c || y > lowest) lowest = y; c++ } }
    END { if (!m || !c || lowest < 8) exit 2
      n = 0; for (row in rows) n++
      centre = (top + bottom) / 2
      # A dot covers two window rows; the square, 7 field pixels, fourteen.
      if (centre - lowest > 2 || lowest - centre > 2) { print "square at " centre ", lowest dot at " lowest; exit 1 }
      print "rows " n }'
}

start_x
start_game "$GAME" "$TUNED_DIR"
click_at $(( 309 - spacing )) 229   # build button 1: the missile turret
click_at 160 200
click_at 160 200 3
click_at 160 210                    # select it
move_to 160 120
aim_shot random
press_key t
aim_shot first
same_ink random first && fail "the panel did not change when T was pressed"
press_key t
aim_shot strongest
same_ink first strongest && fail "the panel shows the same aim after a second T"
press_key t; press_key t
aim_shot random2
same_ink random random2 || fail "four presses of T did not come round to Random"
press_key t
aim_shot first2
same_ink first first2 || fail "the fifth T did not show First again"

press_key d
seen=0
check_missile() {
  screenshot sky
  local verdict status
  verdict=$(aims_at_lowest sky); status=$?
  [ "$status" -eq 1 ] && fail "a missile chases an invader above the lowest row: $verdict"
  [ "$status" -eq 0 ] && [ "${verdict#rows }" -ge 2 ] && seen=$(( seen + 1 ))
  [ "$seen" -ge 5 ]
}
wait_for 60 "no missile was seen chasing an invader with two rows in sight" check_missile
wait_for 10 "the checkpoint was not written" test -s "$checkpoint"
grep -q '^Tower=MissileTurret [0-9-]* [0-9]* [0-9]* First ' "$checkpoint" ||
  fail "the checkpoint does not keep First: $(grep Tower "$checkpoint")"
close_window; wait_exit 10
pass targeting "$seen pictures"
