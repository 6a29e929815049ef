#!/usr/bin/env bash
# The real-window helpers themselves: start_x hands over a server that answers, and stop_x, under
# set -e and after the game has already died, still stops the server and waits until it has gone.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"

start_x
display_answers || fail "start_x returned before the server on $DISPLAY answered"
server=$XVFB_PID
true &
GAME_PID=$!
wait "$GAME_PID" || true # a game that has already ended
set -e
stop_x
set +e
kill -0 "$server" 2>/dev/null && fail "the X server $server still runs after stop_x"
display_answers && fail "the display $DISPLAY still answers after stop_x"
pass helpers
