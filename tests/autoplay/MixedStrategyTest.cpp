#include "autoplay/MixedStrategy.h"

#include "PlayerFixture.h"

#include <set>

using autoplay::MixedStrategy;
using autoplay::Player;

using MixedStrategyTest = PlayerFixture;

TEST_F(MixedStrategyTest, BuysTheCheapestAffordableThingFirst)
{
    MixedStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    // 100: a laser (50), then its first "Rate" level (20) rather than a second laser, then its
    // second level (30).
    player.playFrames(60);

    const World& world = player.world();
    ASSERT_EQ(world.towers.size(), 1u);
    EXPECT_EQ(world.towers.front()->kind, 0);
    EXPECT_EQ(world.towers.front()->upgradeLevels[0], 2);
    EXPECT_EQ(world.money, 0);
    EXPECT_EQ(world.mode, Idle);
    EXPECT_EQ(player.report().moneySpent, 100);
}

TEST_F(MixedStrategyTest, WithMoneyToSpareBuildsEveryKindAndMaxesEveryPath)
{
    MixedStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().money = 100000;
    player.playFrames(2500);

    const World& world = player.world();
    EXPECT_EQ(world.towers.size(), 17u);
    std::set<int> kinds;
    int spent = 0;
    for (const auto& tower : world.towers) {
        kinds.insert(tower->kind);
        const TowerType& type = app().towerTypes[static_cast<std::size_t>(tower->kind)];
        spent += type.price;
        for (int path = 0; path + 1 < type.upgradeCount; ++path) {
            const UpgradeType& upgrade = type.upgrades[static_cast<std::size_t>(path + 1)];
            EXPECT_EQ(tower->upgradeLevels[static_cast<std::size_t>(path)], upgrade.levelCount);
            for (const UpgradeLevel& level : upgrade.levels)
                spent += level.price;
        }
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(towersApart(world));
    EXPECT_EQ(player.report().moneySpent, spent);
    EXPECT_EQ(world.money, 100000 - spent);
}

TEST_F(MixedStrategyTest, DoesNothingOnceTheGameIsOver)
{
    MixedStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().health = 0;
    player.playFrames(1);
    ASSERT_TRUE(player.world().gameOver);
    player.world().money = 100000;
    player.playFrames(50);

    EXPECT_TRUE(player.world().towers.empty());
    EXPECT_EQ(player.world().money, 100000);
    EXPECT_EQ(player.world().mode, QuitDialog);
}
