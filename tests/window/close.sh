#!/usr/bin/env bash
# The close button ends the game within 2 s with status 0, every time: after focus changes, at
# game over, in the "Quit Game?" dialog and during a wave, in turns. CLOSES sets how many (the long
# run is CLOSES=500).
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
quick_loss_data "$ROOT"   # a fast first wave at once: game over within seconds

grey_field() { screenshot .over; [ "$(convert "$SHOTS_DIR/.over.png" -crop 640x100+0+0 +repage -colorspace HSL -channel G -separate +channel -threshold 10% \
  -format "%[fx:round(mean*w*h)]" info:)" -lt 200 ]; }   # the game over greys the field
start_x
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
for i in $(seq "${CLOSES:-16}"); do
  rm -rf "$XDG_STATE_HOME"   # a close during a wave keeps the run for the next game
  start_game "$GAME" "$TUNED_DIR"
  case $(( i % 4 )) in
    0) for _ in 1 2 3; do xdotool windowfocus "$root" windowfocus "$WINDOW"; done
       [ $(( i % 8 )) = 0 ] && xdotool windowfocus "$root" ;;
    1) wait_for 15 "close $i: no game over" grey_field ;;
    2) press_key Escape ;;
    3) sleep 0.$(( RANDOM % 10 )) ;;
  esac
  close_window
  closed=$(date +%s%N)
  until game_gone; do
    [ $(( $(date +%s%N) - closed )) -lt 2000000000 ] || fail "close $i (kind $(( i % 4 ))) did not end the game in 2 s"
    sleep 0.05
  done
  wait_exit 1
  [ "$GAME_STATUS" -eq 0 ] || fail "close $i gave status $GAME_STATUS"
done
pass close "${CLOSES:-16} closes"
