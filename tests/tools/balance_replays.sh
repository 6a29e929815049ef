#!/bin/bash
# Every strategy's game that balance keeps as a replay plays again, headless, to the result it
# recorded: mztool replay-check says so with exit status 0 for each, and a replay with one byte of
# its tape changed is refused or reported as differing, never crashes.
set -euo pipefail
balance=$1
mztool=$2
source_dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One row per game below the two header lines, one replay per row.
rows=$("$balance" --data "$source_dir" --waves 6 --early --replays "$work" | tail -n +3 | wc -l)
count=0
for replay in "$work"/*.sqreplay; do
    (cd "$source_dir" && "$mztool" replay-check "$replay") || { echo "FAIL: $replay does not replay as recorded"; exit 1; }
    count=$((count + 1))
done
[ "$count" -eq "$rows" ] && [ "$count" -ge 6 ] || { echo "FAIL: $count replays for $rows games"; exit 1; }
# The last byte of the packed tape changed: the tape does not unpack, or plays another game.
cp "$work/mixed.sqreplay" "$work/changed"
size=$(stat -c %s "$work/changed")
printf '\x55' | dd of="$work/changed" bs=1 seek=$((size - 3)) conv=notrunc status=none
set +e
(cd "$source_dir" && "$mztool" replay-check "$work/changed")
status=$?
set -e
[ "$status" -eq 1 ] || { echo "FAIL: a changed replay gave status $status"; exit 1; }
echo "ok: $count replays checked"
