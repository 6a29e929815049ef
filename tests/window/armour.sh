#!/usr/bin/env bash
# In the Mixed mode a laser bolt takes its whole damage off a Squibble but less off an armoured
# invader. One laser turret under waves too tough to destroy: wave 1 all Squibbles, wave 2 all
# armoured; the turret's damage is read from the checkpoint written before each wave.
# Arguments: GAME_BINARY SOURCE_DIR
source "$(dirname "$0")/support/lib.sh"
GAME="$(realpath "$1")"; ROOT="$(realpath "$2")"

# A bolt does 100; the armour lets 1 of it through. Nobody dies, so each wave's damage counts its
# hits: whole hundreds from Squibbles, and from the armoured fewer than 100, as a wave lasts
# seconds of game time and the turret fires every 0.8 s however loaded the machine is.
tuned_data "$ROOT" <<'KEYS'
StartingHealth=100
TimeBetweenWaves=3
Wave1SpeedBase=60
Wave1SpeedMax=60
Tower1.DamageBase=100
Invader1.Health=100000
Invader1.HealthIncrease=0
Invader2.Health=100000
Invader2.HealthIncrease=0
Invader2.Armour=99
Invader2.FromWave=2
Invader2.Share=100
Invader3.FromWave=0
Invader4.FromWave=0
Invader5.FromWave=0
Invader6.Every=0
KEYS
crc=$(tuned_checksum)
checkpoint="$XDG_STATE_HOME/squibble-siege/checkpoint-$crc.txt"
wave_in_file() { grep -qx "Wave=$1" "$checkpoint" 2>/dev/null; }
laser_damage() { sed -n 's/^DamageByLaserTurret=//p' "$checkpoint"; }

start_x
start_game "$GAME" "$TUNED_DIR" --mode mixed
click_at 309 229               # build button 0: the laser turret
click_at 100 200               # built centred on x 100, under the block wherever it marches
click_at 100 200 3

wait_for 60 "wave 2 did not start" wave_in_file 2
grep -q "^Kinds=Armoured Armoured" "$checkpoint" || fail "wave 2 is not all armoured"
squibbles=$(laser_damage)
[ "$squibbles" -ge 100 ] || fail "the laser hit no Squibble in wave 1 (damage '$squibbles')"
[ $(( squibbles % 100 )) -eq 0 ] || fail "a laser hit took $squibbles in all off Squibbles, not whole hundreds"

wait_for 90 "wave 3 did not start" wave_in_file 3
armoured=$(( $(laser_damage) - squibbles ))
[ "$armoured" -ge 1 ] || fail "the laser hit no armoured invader in wave 2"
[ "$armoured" -lt 100 ] || fail "the armoured took $armoured from the laser: a hit went through whole"
grep -q "^DestroyedArmoured=0$" "$checkpoint" || fail "an armoured invader was destroyed"
close_window; wait_exit 10
stop_x
echo "armour: passed (Squibbles took $squibbles, the armoured $armoured)"
