#include "stats/GameStatistics.h"

#include "stats/RunLimits.h"

bool StatisticsTotals::operator==(const StatisticsTotals& other) const
{
    return wavesDefeated == other.wavesDefeated && invadersDestroyed == other.invadersDestroyed &&
           invadersEscaped == other.invadersEscaped && moneyFromKills == other.moneyFromKills &&
           moneyFromEarlyCalls == other.moneyFromEarlyCalls && moneySpentOnTowers == other.moneySpentOnTowers &&
           moneySpentOnUpgrades == other.moneySpentOnUpgrades && moneyRefunded == other.moneyRefunded &&
           towersBuilt == other.towersBuilt && upgradesBought == other.upgradesBought &&
           towersDemolished == other.towersDemolished && damageByKind == other.damageByKind &&
           destroyedByKind == other.destroyedByKind &&
           timePlayed == other.timePlayed;
}

void GameStatistics::invaderDestroyed(int reward, int kind)
{
    if (closed)
        return;
    RunLimits::add(figures.invadersDestroyed, 1);
    if (InvaderKinds::exists(kind))
        RunLimits::add(figures.destroyedByKind[kind], 1);
    RunLimits::add(figures.moneyFromKills, reward);
}

void GameStatistics::towerBuilt(int price)
{
    if (closed)
        return;
    RunLimits::add(figures.towersBuilt, 1);
    RunLimits::add(figures.moneySpentOnTowers, price);
}

void GameStatistics::upgradeBought(int price)
{
    if (closed)
        return;
    RunLimits::add(figures.upgradesBought, 1);
    RunLimits::add(figures.moneySpentOnUpgrades, price);
}

void GameStatistics::towerDemolished(int refund)
{
    if (closed)
        return;
    RunLimits::add(figures.towersDemolished, 1);
    RunLimits::add(figures.moneyRefunded, refund);
}

void GameStatistics::damageDealt(int kind, long long amount)
{
    if (closed)
        return;
    if (kind >= 0 && kind < TowerKinds::Count && amount > 0)
        RunLimits::add(figures.damageByKind[static_cast<std::size_t>(kind)], amount);
}

void GameStatistics::waveDefeated()
{
    if (!closed)
        RunLimits::add(figures.wavesDefeated, 1);
}

void GameStatistics::invaderEscaped()
{
    if (!closed)
        RunLimits::add(figures.invadersEscaped, 1);
}

void GameStatistics::earlyCall(int bonus)
{
    if (!closed)
        RunLimits::add(figures.moneyFromEarlyCalls, bonus);
}

void GameStatistics::timePassed(double seconds)
{
    if (!closed)
        RunLimits::add(figures.timePlayed, seconds);
}
