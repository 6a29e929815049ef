#!/usr/bin/env bash
# The close button ends the game within 2 seconds with status 0, every time: after focus changes,
# at game over, in the "Quit Game?" dialog and during a wave, in turns. CLOSES sets how many
# (the default is a short run; CLOSES=500 is the long one).
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"
closes=${CLOSES:-16}

# A first wave at once, fast enough to end a game of 1 health within seconds.
quick_loss_data "$ROOT"

# Focus away and back a few times, the last change away from the game or back to it in turns.
focus_changes() {
  local root
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  for _ in 1 2 3; do
    xdotool windowfocus "$root"
    xdotool windowfocus "$WINDOW"
  done
  [ $(( $1 % 2 )) = 0 ] && xdotool windowfocus "$root"
  return 0
}

# The game over has shown once the field's top rows turned grey.
grey_field() {
  screenshot .over
  [ "$(convert "$SHOTS_DIR/.over.png" -crop 640x100+0+0 +repage -colorspace HSL -channel G -separate \
        +channel -threshold 10% -format "%[fx:round(mean*w*h)]" info:)" -lt 200 ]
}

start_x
for i in $(seq "$closes"); do
  # Each game a new one: a close during a wave keeps the run for the next.
  rm -rf "$XDG_STATE_HOME"
  start_game "$GAME" "$TUNED_DIR"
  case $(( i % 4 )) in
    0) focus_changes "$i" ;;
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
  [ "$GAME_STATUS" -eq 0 ] || fail "close $i gave status $GAME_STATUS: $(cat "$SHOTS_DIR/game.err")"
done
pass close "$closes closes"
