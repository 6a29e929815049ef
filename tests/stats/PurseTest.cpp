#include "stats/Purse.h"

#include "stats/GameStatistics.h"
#include "stats/RunLimits.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(PurseTest, EveryPaymentChangesTheMoneyWithinTheLimitsAndCountsItOnce)
{
    int money = 100;
    GameStatistics books;
    Purse purse(money, books);
    purse.earnReward(7);
    purse.takeEarlyCallBonus(5);
    purse.refund(3);
    purse.payForTower(40);
    purse.payForUpgrade(25);
    EXPECT_EQ(money, 100 + 7 + 5 + 3 - 40 - 25);
    const StatisticsTotals& t = books.totals();
    EXPECT_EQ(std::tuple(t.moneyFromKills, t.moneyFromEarlyCalls, t.moneyRefunded, t.moneySpentOnTowers, t.moneySpentOnUpgrades),
              std::tuple(7, 5, 3, 40, 25));
    EXPECT_EQ(std::tuple(t.invadersDestroyed, t.towersBuilt, t.upgradesBought, t.towersDemolished), std::tuple(1, 1, 1, 1));

    // Neither end of the run's limits is passed.
    purse.payForTower(1000);
    EXPECT_EQ(money, 0);
    money = static_cast<int>(RunLimits::MaxAmount) - 1;
    purse.earnReward(10);
    EXPECT_EQ(money, RunLimits::MaxAmount);
    EXPECT_TRUE(purse.covers(static_cast<int>(RunLimits::MaxAmount)));
    EXPECT_FALSE(purse.covers(static_cast<int>(RunLimits::MaxAmount) + 1));
}
