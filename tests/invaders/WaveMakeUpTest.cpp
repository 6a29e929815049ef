#include "invaders/WaveMakeUp.h"

#include "app/Config.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

WaveMakeUp shipped()
{
    WaveMakeUp makeUp;
    makeUp.shares[InvaderKinds::ArmouredKind] = {3, 25, WaveMakeUp::Rows::Front};
    makeUp.shares[InvaderKinds::MiteKind] = {5, 20, WaveMakeUp::Rows::Spread};
    makeUp.shares[InvaderKinds::ShieldedKind] = {7, 20, WaveMakeUp::Rows::Back};
    makeUp.bossEvery = 10;
    return makeUp;
}

int counted(const std::vector<int>& kinds, int kind)
{
    return static_cast<int>(std::count(kinds.begin(), kinds.end(), kind));
}

} // namespace

TEST(WaveMakeUp, ReadsTheDataAndLeavesOutWhatItDoesNotSay)
{
    Config config;
    config.set("Invader2.FromWave", "3");
    config.set("Invader2.Share", "25");
    config.set("Invader2.Rows", "front");
    config.set("Invader4.Share", "400");
    config.set("Invader6.Every", "10");
    const WaveMakeUp makeUp = WaveMakeUp::read(config);
    EXPECT_EQ(makeUp.shares[InvaderKinds::ArmouredKind].fromWave, 3);
    EXPECT_EQ(makeUp.shares[InvaderKinds::ArmouredKind].rows, WaveMakeUp::Rows::Front);
    EXPECT_EQ(makeUp.shares[InvaderKinds::ShieldedKind].percent, 100) << "capped";
    EXPECT_EQ(makeUp.shares[InvaderKinds::ShieldedKind].fromWave, 0) << "never comes";
    EXPECT_EQ(counted(makeUp.kindsFor(20, 54), InvaderKinds::ShieldedKind), 0);
    EXPECT_TRUE(makeUp.bossWave(20) && !makeUp.bossWave(15));
}

// Kinds join one at a time, in their rows; the boss takes the front row's middle two cells.
TEST(WaveMakeUp, KindsJoinInTheirRowsAndTheBossLeadsTheTenthWave)
{
    const WaveMakeUp makeUp = shipped();
    const struct {
        int wave, count, squibbles, armoured, mites, shielded, bosses;
    } cases[] = {
        {1, 16, 16, 0, 0, 0, 0},
        {3, 20, 15, 5, 0, 0, 0},
        {5, 24, 14, 6, 4, 0, 0},
        {7, 28, 11, 7, 5, 5, 0},
        {10, 34, 12, 8, 6, 6, 1}, // and the boss's empty second cell
    };
    for (const auto& test : cases) {
        const std::vector<int> kinds = makeUp.kindsFor(test.wave, test.count);
        SCOPED_TRACE("wave " + std::to_string(test.wave));
        EXPECT_EQ(counted(kinds, InvaderKinds::SquibbleKind), test.squibbles);
        EXPECT_EQ(counted(kinds, InvaderKinds::ArmouredKind), test.armoured);
        EXPECT_EQ(counted(kinds, InvaderKinds::MiteKind), test.mites);
        EXPECT_EQ(counted(kinds, InvaderKinds::ShieldedKind), test.shielded);
        EXPECT_EQ(counted(kinds, InvaderKinds::BossKind), test.bosses);
    }
    // Wave 3: 12 + 8; the armoured take the front row of 8 (slots 12..19) first.
    const std::vector<int> third = makeUp.kindsFor(3, 20);
    for (int slot = 12; slot < 17; ++slot)
        EXPECT_EQ(third[slot], InvaderKinds::ArmouredKind) << slot;
    // Wave 10: 34 = 12 + 12 + 10; the front row of 10 starts at slot 24, its middle at 28 and 29.
    const std::vector<int> tenth = makeUp.kindsFor(10, 34);
    EXPECT_EQ(tenth[28], InvaderKinds::BossKind);
    EXPECT_EQ(tenth[29], WaveMakeUp::NoKind);
    EXPECT_EQ(makeUp.newIn(10), std::vector<int>{InvaderKinds::BossKind});
    EXPECT_EQ(makeUp.newIn(5), std::vector<int>{InvaderKinds::MiteKind});
    EXPECT_TRUE(makeUp.newIn(20).empty());
}
