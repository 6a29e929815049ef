#!/usr/bin/env bash
# The window opens with its configured title, the close button quits with status 0, and a
# missing configuration or content file stops the game with status 1 and a message naming the file.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

start_x
start_game "$GAME" "$ROOT"
title=$(xdotool getwindowname "$WINDOW")
[ "$title" = "Squibble Siege" ] || fail "window title is '$title'"
geometry=$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)
echo "$geometry" | grep -q "640x480" || fail "window is not 640 x 480: $geometry"
screenshot startup
close_window
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "closing the window gave status $GAME_STATUS"

empty=$(mktemp -d)
(cd "$empty" && "$GAME") 2>"$SHOTS_DIR/missing.err"
status=$?
rm -rf "$empty"
[ "$status" -eq 1 ] || fail "without data/strings.txt the status was $status"
grep -q "data/strings.txt" "$SHOTS_DIR/missing.err" || fail "the error does not name data/strings.txt"

# A content file that is missing stops start-up too, naming the file.
partial=$(mktemp -d)
cp -r "$ROOT/data" "$partial/"
rm "$partial/data/selector.mz"
(cd "$partial" && "$GAME") 2>"$SHOTS_DIR/content.err"
status=$?
rm -rf "$partial"
[ "$status" -eq 1 ] || fail "without data/selector.mz the status was $status"
grep -q "data/selector.mz" "$SHOTS_DIR/content.err" || fail "the error does not name data/selector.mz"
pass startup
