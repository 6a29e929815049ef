#include "autoplay/WaveLog.h"

#include "game/WaveThreat.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace autoplay {

namespace {

long long damageDealt(const World& world)
{
    const auto& byKind = world.statistics.totals().damageByKind;
    return std::accumulate(byKind.begin(), byKind.end(), 0LL);
}

} // namespace

WaveLog::WaveLog(const World& world)
    : earnedBefore(moneyEarned(world))
    , spentBefore(moneySpent(world))
    , damageBetweenWaves(damageDealt(world))
{
}

long long WaveLog::moneyEarned(const World& world)
{
    const StatisticsTotals& totals = world.statistics.totals();
    return totals.moneyEarned() + totals.moneyRefunded;
}

long long WaveLog::moneySpent(const World& world)
{
    return world.statistics.totals().moneySpent();
}

void WaveLog::observe(const World& world)
{
    if (!world.currentWave) {
        damageBetweenWaves = damageDealt(world);
        return;
    }
    if (world.waveNumber == current.wave)
        return;
    if (current.wave > 0) {
        close(current, world);
        closed.push_back(current);
        earnedBefore = moneyEarned(world);
        spentBefore = moneySpent(world);
    }
    open(world);
}

void WaveLog::open(const World& world)
{
    current = WaveRecord();
    current.wave = world.waveNumber;
    damageBefore = damageBetweenWaves;
    // Counted after the update that started the wave; one destroyed in it was already removed.
    for (const auto& invader : world.currentWave->invaders) {
        ++current.invaders;
        current.startingHealth += invader->maxHealth;
    }
    current.threatPercent = static_cast<int>(std::lround(WaveThreat::of(world).ratio() * 100.0));
}

void WaveLog::close(WaveRecord& row, const World& world) const
{
    // A row ends where the next wave starts: the damage of that wave's first update is its own.
    const long long damageNow = world.currentWave && world.waveNumber != row.wave ? damageBetweenWaves : damageDealt(world);
    row.damageDealt = damageNow - damageBefore;
    row.moneyEarned = static_cast<int>(moneyEarned(world) - earnedBefore);
    row.moneySpent = static_cast<int>(moneySpent(world) - spentBefore);
    row.towersStanding = static_cast<int>(world.towers.size());
    row.healthLeft = world.health;
}

std::vector<WaveRecord> WaveLog::records(const World& world) const
{
    std::vector<WaveRecord> rows = closed;
    if (current.wave > 0) {
        rows.push_back(current);
        close(rows.back(), world);
    }
    return rows;
}

} // namespace autoplay
