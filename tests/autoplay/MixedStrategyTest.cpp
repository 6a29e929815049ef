#include "autoplay/MixedStrategy.h"

#include "PlayerFixture.h"
#include "towers/TowerKinds.h"

#include <iterator>
#include <set>
#include <vector>

using autoplay::MixedStrategy;
using autoplay::Player;

using MixedStrategyTest = PlayerFixture;

TEST_F(MixedStrategyTest, KeepsTwoTowersPerUpgradeLevelAndSavesForWhatComesNext)
{
    MixedStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    World& world = player.world();
    auto levelsOf = [&world](std::size_t index) {
        auto tower = world.towers.begin();
        std::advance(tower, index);
        return (*tower)->upgradeLevels;
    };

    // 100: two lasers (50 each) open the rotation.
    player.playFrames(30);
    ASSERT_EQ(world.towers.size(), 2u);
    EXPECT_EQ(world.money, 0);

    // Now an upgrade is due: the cheapest is the first laser's "Rate" (20). It saves up for it.
    world.money += 19;
    player.playFrames(30);
    EXPECT_EQ(world.money, 19);
    world.money += 1;
    player.playFrames(30);
    EXPECT_EQ(levelsOf(0), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(world.money, 0);

    // Two more towers are due: the rotation goes on with a tesla coil (100), then a missile
    // turret (75); a cheaper upgrade does not tempt it meanwhile.
    world.money += 99;
    player.playFrames(30);
    EXPECT_EQ(world.towers.size(), 2u);
    EXPECT_EQ(levelsOf(0), (std::vector<int>{1, 0, 0}));
    world.money += 1;
    player.playFrames(30);
    ASSERT_EQ(world.towers.size(), 3u);
    EXPECT_EQ(world.towers.back()->kind, 2);
    world.money += 75;
    player.playFrames(30);
    ASSERT_EQ(world.towers.size(), 4u);
    EXPECT_EQ(world.towers.back()->kind, 1);

    // Then the cheapest level again: the second laser's first "Rate" (20) before the first
    // laser's second (30).
    world.money += 20;
    player.playFrames(30);
    EXPECT_EQ(levelsOf(1), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(levelsOf(0), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(world.money, 0);
    EXPECT_EQ(world.mode, Idle);
    EXPECT_EQ(player.report().moneySpent, 100 + 20 + 100 + 75 + 20);
}

TEST_F(MixedStrategyTest, WithMoneyToSpareBuildsEveryKindAndMaxesEveryPath)
{
    MixedStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().money = 100000;
    player.playFrames(2500);

    const World& world = player.world();
    EXPECT_GE(world.towers.size(), 10u);
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

// The missile-led player builds a missile turret every other tower and steps each to its rule.
TEST_F(MixedStrategyTest, MissileLedPlayerAlternatesMissileTurretsAimedByItsRule)
{
    MixedStrategy strategy("missile-led-first", MixedStrategy::missileLedRotation(), TargetPriority::First);
    Player player(strategy, {1, QuickFrame});
    player.world().money = 100000;
    player.playFrames(400);
    std::vector<int> kinds;
    for (const auto& tower : player.world().towers) {
        kinds.push_back(tower->kind);
        // Every missile launcher, a laser's bought one too, steps to First.
        if (tower->kind != TowerKinds::Tesla && !tower->aimChoices().empty()) {
            EXPECT_EQ(tower->aim, TargetPriority::First) << tower->kind;
        }
    }
    ASSERT_GE(kinds.size(), 4u);
    kinds.resize(4);
    EXPECT_EQ(kinds, (std::vector<int>{TowerKinds::Laser, TowerKinds::Missile, TowerKinds::Tesla, TowerKinds::Missile}));
}
