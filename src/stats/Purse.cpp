#include "stats/Purse.h"

#include "stats/GameStatistics.h"
#include "stats/RunLimits.h"

void Purse::change(long long by)
{
    amount = RunLimits::paid(amount, by);
}

void Purse::earnReward(int reward)
{
    change(reward);
    books.invaderDestroyed(reward);
}

void Purse::takeEarlyCallBonus(int bonus)
{
    change(bonus);
    books.earlyCall(bonus);
}

void Purse::refund(int refunded)
{
    change(refunded);
    books.towerDemolished(refunded);
}

void Purse::payForTower(int price)
{
    change(-static_cast<long long>(price));
    books.towerBuilt(price);
}

void Purse::payForUpgrade(int price)
{
    change(-static_cast<long long>(price));
    books.upgradeBought(price);
}
