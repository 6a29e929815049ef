#include "autoplay/LasersOnlyStrategy.h"

#include "PlayerFixture.h"

#include <algorithm>
#include <vector>

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

TEST_F(LasersOnlyStrategyTest, SpreadsItsTowersOverTheField)
{
    LasersOnlyStrategy strategy;
    Player player(strategy, {1, QuickFrame});
    player.world().money = 4 * LaserPrice;
    player.playFrames(60);

    // Each tower goes where it is farthest from the others and from the field's edges.
    std::vector<int> centres;
    for (const auto& tower : player.world().towers)
        centres.push_back(tower->x + tower->firstFrameWidth() / 2);
    EXPECT_EQ(centres, (std::vector<int>{160, 80, 240, 120}));
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

    EXPECT_EQ(player.world().towers.size(), standing);
    EXPECT_EQ(player.world().money, money);
    EXPECT_EQ(player.world().mode, Idle);
    EXPECT_TRUE(towersApart(player.world()));
    // No room is left for another laser (12 wide, kept at least 3 pixels from its neighbours).
    std::vector<std::pair<int, int>> footprints;
    for (const auto& tower : player.world().towers)
        footprints.push_back(footprint(*tower));
    std::sort(footprints.begin(), footprints.end());
    ASSERT_GE(footprints.size(), 10u);
    EXPECT_GE(footprints.front().first, 0);
    EXPECT_LT(footprints.front().first, 12 + 3);
    EXPECT_LE(footprints.back().second, 320);
    EXPECT_LT(320 - footprints.back().second, 12 + 3);
    for (std::size_t i = 1; i < footprints.size(); ++i)
        EXPECT_LT(footprints[i].first - footprints[i - 1].second, 12 + 6);
}

TEST_F(LasersOnlyStrategyTest, TheHalfHeartedKindSetsAsideWhatEachLaserCost)
{
    LasersOnlyStrategy strategy(true);
    EXPECT_STREQ(strategy.name(), "lasers-half");
    Player player(strategy, {1, QuickFrame});
    player.world().money = 7 * LaserPrice + 30;
    player.playFrames(100);

    // 380: a laser leaves 330 with 50 aside, then 280 / 100, 230 / 150, 180 / 200.
    EXPECT_EQ(player.world().towers.size(), 4u);
    EXPECT_EQ(player.world().money, 180);
}
