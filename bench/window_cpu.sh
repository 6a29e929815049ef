#!/usr/bin/env bash
# Measures the CPU the real game uses in a window under Xvfb: 30 seconds of a running wave at the
# shipped frame rate, then 10 seconds of that wave paused (P), read from the process's CPU counters,
# and the whole run from /usr/bin/time -v. The targets are under 15 % of one core running and under
# 1 % paused for the game's own thread; the paused figure also shows the whole process, in which the
# graphics library's own threads (its X input poll a hundred times a second, its timer) count too. With WINDOW_CPU_SOUND=1 the game plays to ALSA's file
# plugin (as the window sound test does), so the sound, and the music unless --no-music is given,
# count too; compare the two to see what the music costs.
# Usage: [WINDOW_CPU_SOUND=1] bash bench/window_cpu.sh [BUILD_DIR [GAME_OPTION...]]
#        (default BUILD_DIR: build-bench, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir="${1:-build-bench}"
options=("${@:2}")
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DSQUIBBLE_TESTS=OFF >/dev/null
fi
cmake --build "$build_dir" -j2 --target squibble-siege >/dev/null
game="$(cd "$build_dir" && pwd)/squibble-siege"

# The first wave starts this many seconds after the window opens ("TimeBetweenWaves").
pause=$(sed -n 's/^TimeBetweenWaves=//p' data/strings.txt)
measured=30
max_percent=15
paused_measured=10
max_paused_percent=1

source tests/window/support/lib.sh
work=$(mktemp -d)
trap 'stop_x; rm -rf "$work" "$SHOTS_DIR"' EXIT
cat >"$work/timed-game" <<WRAPPER
#!/usr/bin/env bash
exec /usr/bin/time -v -o "$work/time.txt" "$game" ${options[*]}
WRAPPER
chmod +x "$work/timed-game"

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Nanoseconds on a processor, exactly: of the game's own thread, and of all its threads.
thread_ns() { awk '{ print $1 }' "/proc/$1/task/$1/schedstat"; }
process_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f", sum }'; }

start_x
if [ "${WINDOW_CPU_SOUND:-0}" = 1 ]; then
  use_sound_capture
  trap 'stop_x; rm -rf "$work" "$SHOTS_DIR" "$SOUND_HOME"' EXIT
  export HOME="$SOUND_HOME"
fi
start_game "$work/timed-game" "$root"
game_pid=$(pgrep -P "$GAME_PID" | head -n 1)
[ -n "$game_pid" ] || fail "cannot find the game's process"
sleep "$(( ${pause%.*} + 1 ))"
before=$(cpu_ticks "$game_pid")
sleep "$measured"
after=$(cpu_ticks "$game_pid")
press_key p
sleep 1
paused_before=$(thread_ns "$game_pid"); all_before=$(process_ns "$game_pid")
sleep "$paused_measured"
paused_after=$(thread_ns "$game_pid"); all_after=$(process_ns "$game_pid")
close_window
wait_exit 10
stop_x

ticks_per_second=$(getconf CLK_TCK)
share() { awk -v t="$1" -v hz="$ticks_per_second" -v s="$2" 'BEGIN { printf "%.1f", 100 * t / hz / s }'; }
percent=$(share $(( after - before )) "$measured")
paused_percent=$(share $(( paused_after - paused_before )) "$(( paused_measured * 1000000000 / ticks_per_second ))")
all_percent=$(share $(( all_after - all_before )) "$(( paused_measured * 1000000000 / ticks_per_second ))")
echo "CPU during ${measured} s of a running wave: ${percent} % of one core (target < ${max_percent} %)"
echo "CPU during ${paused_measured} s of that wave paused: ${paused_percent} % of one core for the game's thread" \
  "(target < ${max_paused_percent} %), ${all_percent} % with the graphics library's threads"
echo "Whole run (start-up, ${pause} s pause, wave, its pause), from /usr/bin/time -v:"
grep -E 'User time|System time|Percent of CPU|Elapsed|Maximum resident' "$work/time.txt" | sed 's/^\s*/  /'
awk -v p="$percent" -v m="$max_percent" -v q="$paused_percent" -v n="$max_paused_percent" \
  'BEGIN { exit !(p < m && q < n) }'
