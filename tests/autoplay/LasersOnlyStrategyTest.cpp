#include "autoplay/LasersOnlyStrategy.h"

#include "PlayerFixture.h"

using autoplay::LasersOnlyStrategy;
using autoplay::Player;

namespace {

constexpr int LaserPrice = 50; // "Tower1.Value" of the synthetic content

} // namespace

using LasersOnlyStrategyTest = PlayerFixture;

TEST_F(LasersOnlyStrategyTest, BuildsLasersWithTheMoneyItHas)
{
    LasersOnlyStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    ASSERT_EQ(player.world().money, 100);
    player.playFrames(40);

    World& world = player.world();
    ASSERT_EQ(world.towers.size(), 2u);
    EXPECT_EQ(world.money, 0);
    EXPECT_EQ(world.mode, Idle);
    for (const auto& tower : world.towers)
        EXPECT_EQ(tower->kind, 0);
    EXPECT_TRUE(towersApart(world));
}

TEST_F(LasersOnlyStrategyTest, SpendsWhatItCanAndKeepsTheChange)
{
    LasersOnlyStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().money = 7 * LaserPrice + 30;
    player.playFrames(100);

    EXPECT_EQ(player.world().towers.size(), 7u);
    EXPECT_EQ(player.world().money, 30);
    EXPECT_EQ(player.report().towersBuilt, 7);
    EXPECT_EQ(player.report().moneySpent, 7 * LaserPrice);
}

TEST_F(LasersOnlyStrategyTest, NeverBuysOtherKindsOrUpgrades)
{
    LasersOnlyStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().money = 100000;
    player.playFrames(400);

    const World& world = player.world();
    ASSERT_FALSE(world.towers.empty());
    for (const auto& tower : world.towers) {
        EXPECT_EQ(tower->kind, 0);
        for (int level : tower->upgradeLevels)
            EXPECT_EQ(level, 0);
    }
}

TEST_F(LasersOnlyStrategyTest, FillsTheBaselineWithoutOverlapAndThenWaits)
{
    LasersOnlyStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().money = 100000;
    player.playFrames(400);
    const std::size_t standing = player.world().towers.size();
    const int money = player.world().money;
    player.playFrames(100);

    // Slots 18 pixels apart (widest kind 14 plus a gap of 4) across the 320-pixel field.
    EXPECT_EQ(standing, 17u);
    EXPECT_EQ(player.world().towers.size(), standing);
    EXPECT_EQ(player.world().money, money);
    EXPECT_EQ(player.world().mode, Idle);
    EXPECT_TRUE(towersApart(player.world()));
    for (const auto& tower : player.world().towers) {
        EXPECT_GE(footprint(*tower).first, 0);
        EXPECT_LE(footprint(*tower).second, 320);
    }
}
