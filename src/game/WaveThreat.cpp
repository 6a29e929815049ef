#include "game/WaveThreat.h"

#include "game/World.h"
#include "hud/TowerFigures.h"
#include "invaders/Invader.h"
#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"
#include "towers/Building.h"

ThreatEstimate WaveThreat::of(const World& world)
{
    std::vector<double> damage;
    damage.reserve(world.towers.size());
    for (const auto& tower : world.towers)
        damage.push_back(TowerFigures::of(*tower).damagePerSecond);
    if (const Wave* wave = world.currentWave.get()) {
        double health = 0.0;
        for (const auto& invader : wave->invaders)
            if (invader->health > 0)
                health += invader->health;
        return ThreatEstimate::of(health, damage, wave->secondsToGround());
    }
    const int count = SquibbleWave::sizeFor(world.waveNumber);
    const double health = static_cast<double>(count) * Squibble::healthFor(world.waveNumber, world.difficulty);
    const double speed = SquibbleWave::speedFor(world.waveNumber, world.difficulty);
    return ThreatEstimate::of(health, damage, SquibbleWave::marchSeconds(count, speed));
}
