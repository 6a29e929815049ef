#include "game/RunMarks.h"

#include "game/World.h"

namespace RunMarks {

RunMark of(const World& world)
{
    const StatisticsTotals& totals = world.statistics.totals();
    RunMark mark;
    mark.wave = world.waveNumber;
    mark.money = world.money;
    mark.health = world.health;
    mark.invadersDestroyed = totals.invadersDestroyed;
    mark.invadersEscaped = totals.invadersEscaped;
    mark.moneyEarned = totals.moneyEarned();
    mark.moneySpent = totals.moneySpent();
    mark.towersBuilt = totals.towersBuilt;
    mark.upgradesBought = totals.upgradesBought;
    return mark;
}

} // namespace RunMarks
