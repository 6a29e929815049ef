#include "stats/GameStatistics.h"

bool StatisticsTotals::operator==(const StatisticsTotals& other) const
{
    return wavesDefeated == other.wavesDefeated && invadersDestroyed == other.invadersDestroyed &&
           invadersEscaped == other.invadersEscaped && moneyFromKills == other.moneyFromKills &&
           moneyFromEarlyCalls == other.moneyFromEarlyCalls && moneySpentOnTowers == other.moneySpentOnTowers &&
           moneySpentOnUpgrades == other.moneySpentOnUpgrades && moneyRefunded == other.moneyRefunded &&
           towersBuilt == other.towersBuilt && upgradesBought == other.upgradesBought &&
           towersDemolished == other.towersDemolished && damageByKind == other.damageByKind &&
           timePlayed == other.timePlayed;
}

void GameStatistics::invaderDestroyed(int reward)
{
    if (closed)
        return;
    ++figures.invadersDestroyed;
    figures.moneyFromKills += reward;
}

void GameStatistics::towerBuilt(int price)
{
    if (closed)
        return;
    ++figures.towersBuilt;
    figures.moneySpentOnTowers += price;
}

void GameStatistics::upgradeBought(int price)
{
    if (closed)
        return;
    ++figures.upgradesBought;
    figures.moneySpentOnUpgrades += price;
}

void GameStatistics::towerDemolished(int refund)
{
    if (closed)
        return;
    ++figures.towersDemolished;
    figures.moneyRefunded += refund;
}

void GameStatistics::damageDealt(int kind, long long amount)
{
    if (closed)
        return;
    if (kind >= 0 && kind < TowerKinds::Count && amount > 0)
        figures.damageByKind[static_cast<std::size_t>(kind)] += amount;
}

void GameStatistics::waveDefeated()
{
    if (!closed)
        ++figures.wavesDefeated;
}

void GameStatistics::invaderEscaped()
{
    if (!closed)
        ++figures.invadersEscaped;
}

void GameStatistics::earlyCall(int bonus)
{
    if (!closed)
        figures.moneyFromEarlyCalls += bonus;
}

void GameStatistics::timePassed(double seconds)
{
    if (!closed)
        figures.timePlayed += seconds;
}
