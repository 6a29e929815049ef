#include "towers/TeslaCoil.h"

#include "effects/SparkEffect.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

#include <allegro.h>

using worldlists::allOf;

namespace {

// Coil at x = 100 with a 16 x 32 frame on the baseline at 200: strike point (108, 176).
// Period 1.0, range 50, damage 2; invaders have 10 health.
class TeslaCoilTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        coil = std::make_unique<TeslaCoil>(); // after the content is installed
        coil->place(100);
    }
    // A wave whose invaders have their centres at the given points, in list order.
    SquibbleWave& waveAt(std::initializer_list<std::pair<double, double>> centres)
    {
        SquibbleWave& wave = testwave::install(*world, static_cast<int>(centres.size()));
        int i = 0;
        for (const auto& [cx, cy] : centres)
            testwave::centreAt(testwave::at(wave, i++), cx, cy);
        return wave;
    }

    std::unique_ptr<TeslaCoil> coil;
};

} // namespace

TEST_F(TeslaCoilTest, StrikePointIsEightPixelsAboveTheFrameCentre)
{
    EXPECT_DOUBLE_EQ(coil->centreX(), 108.0);
    EXPECT_DOUBLE_EQ(coil->centreY(), 184.0);
}

TEST_F(TeslaCoilTest, InvaderExactlyAtRangeIsStruckOneJustBeyondIsNot)
{
    SquibbleWave& wave = waveAt({{108, 126}});
    EXPECT_EQ(coil->findNearestInvader(), &testwave::at(wave, 0));
    testwave::centreAt(testwave::at(wave, 0), 108, 125.99);
    EXPECT_EQ(coil->findNearestInvader(), nullptr);
}

TEST_F(TeslaCoilTest, NearestWinsAndTiesGoToTheLaterInvader)
{
    SquibbleWave& wave = waveAt({{140, 176}, {98, 176}, {118, 176}, {108, 140}});
    EXPECT_EQ(coil->findNearestInvader(), &testwave::at(wave, 2));
}

TEST_F(TeslaCoilTest, LongUpdateStrikesTwiceWithSparksToTheTarget)
{
    SquibbleWave& wave = waveAt({{130, 150}});
    coil->update(2.5);
    EXPECT_EQ(testwave::at(wave, 0).health, 6);
    auto sparks = allOf<SparkEffect>(world->effects);
    ASSERT_EQ(sparks.size(), 2u);
    // From (108, 176) to (130, 150): the bolt image spans both ends with 4 pixels to spare.
    EXPECT_EQ(sparks[0]->x, 104.0);
    EXPECT_EQ(sparks[0]->y, 146.0);
    ASSERT_NE(sparks[0]->image, nullptr);
    EXPECT_EQ(sparks[0]->image->w, 30);
    EXPECT_EQ(sparks[0]->image->h, 34);
}

TEST_F(TeslaCoilTest, SixStrikesInOneUpdateDrawOnlyFourSparks)
{
    SquibbleWave& wave = waveAt({{130, 150}});
    testwave::at(wave, 0).health = 1000;
    coil->period = 0.25f;
    coil->timer = 0.0f;
    coil->update(1.6);
    EXPECT_EQ(testwave::at(wave, 0).health, 1000 - 6 * coil->damage);
    EXPECT_EQ(allOf<SparkEffect>(world->effects).size(), 4u);
}

TEST_F(TeslaCoilTest, NothingInRangeLosesTheStrike)
{
    SquibbleWave& wave = waveAt({{300, 20}});
    coil->update(0.6);
    EXPECT_EQ(testwave::at(wave, 0).health, 10);
    EXPECT_TRUE(world->effects.empty());
    EXPECT_NEAR(coil->timer, 0.1f, 1e-6);
}

TEST_F(TeslaCoilTest, DamageUpgradeAddsTheLevelOneModifierPerLevel)
{
    coil->upgrade(0);
    coil->upgrade(0);
    SquibbleWave& wave = waveAt({{108, 160}});
    coil->update(0.6);
    EXPECT_EQ(testwave::at(wave, 0).health, 6);
}

// Stepped to Weakest, its third rule, the coil strikes the weakest invader, not the nearest.
TEST_F(TeslaCoilTest, WeakestStrikesTheWeakestInRange)
{
    EXPECT_TRUE(coil->aim == TargetPriority::Nearest && coil->stepAim() && coil->stepAim() && coil->stepAim());
    SquibbleWave& wave = waveAt({{108, 170}, {140, 160}});
    testwave::at(wave, 1).health = 3;
    coil->update(0.6);
    EXPECT_EQ(testwave::at(wave, 1).health, 1);
}
