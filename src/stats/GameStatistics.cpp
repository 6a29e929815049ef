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
    ++figures.invadersDestroyed;
    figures.moneyFromKills += reward;
}

void GameStatistics::towerBuilt(int price)
{
    ++figures.towersBuilt;
    figures.moneySpentOnTowers += price;
}

void GameStatistics::upgradeBought(int price)
{
    ++figures.upgradesBought;
    figures.moneySpentOnUpgrades += price;
}

void GameStatistics::towerDemolished(int refund)
{
    ++figures.towersDemolished;
    figures.moneyRefunded += refund;
}

void GameStatistics::damageDealt(int kind, long long amount)
{
    if (kind >= 0 && kind < StatisticsTotals::TowerKinds && amount > 0)
        figures.damageByKind[static_cast<std::size_t>(kind)] += amount;
}
