#include "towers/TeslaCoil.h"

#include "assets/AnimatedSprite.h"
#include "effects/SparkEffect.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

#include <allegro.h>

using worldlists::allOf;

namespace {

// Coil at x = 100 with the synthetic 16 x 32 frame on the baseline at 200: its strike point
// is (108, 176). Period 1.0, range 50, damage 2; invaders have 10 health.
class TeslaCoilTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        coil = std::make_unique<TeslaCoil>();
        coil->place(100);
    }

    // A wave whose invaders have their centres at the given points, in list order.
    SquibbleWave& waveAt(std::initializer_list<std::pair<double, double>> centres)
    {
        SquibbleWave& wave = testwave::install(*world, static_cast<int>(centres.size()));
        int i = 0;
        for (const auto& centre : centres)
            testwave::centreAt(testwave::at(wave, i++), centre.first, centre.second);
        return wave;
    }

    std::vector<SparkEffect*> sparks() const { return allOf<SparkEffect>(world->effects); }

    std::unique_ptr<TeslaCoil> coil;
};

} // namespace

TEST_F(TeslaCoilTest, ReadsItsValuesFromTheConfiguration)
{
    EXPECT_FLOAT_EQ(coil->period, 1.0f);
    EXPECT_FLOAT_EQ(coil->timer, 0.5f);
    EXPECT_DOUBLE_EQ(coil->range, 50.0);
    EXPECT_EQ(coil->damage, 2);
}

TEST_F(TeslaCoilTest, StrikePointIsEightPixelsAboveTheFrameCentre)
{
    EXPECT_DOUBLE_EQ(coil->centreX(), 108.0);
    EXPECT_DOUBLE_EQ(coil->centreY(), 184.0);
    EXPECT_EQ(coil->centreY() - TeslaCoil::StrikePointRise, 176.0);
}

TEST_F(TeslaCoilTest, InvaderExactlyAtRangeIsStruckOneJustBeyondIsNot)
{
    SquibbleWave& wave = waveAt({{108, 126}});
    EXPECT_EQ(coil->findNearestInvader(), &testwave::at(wave, 0));
    testwave::centreAt(testwave::at(wave, 0), 108, 125.99);
    EXPECT_EQ(coil->findNearestInvader(), nullptr);
}

TEST_F(TeslaCoilTest, NearestInvaderWinsWhateverTheListOrder)
{
    SquibbleWave& wave = waveAt({{140, 176}, {108, 160}, {80, 176}});
    EXPECT_EQ(coil->findNearestInvader(), &testwave::at(wave, 1));
}

TEST_F(TeslaCoilTest, TieGoesToTheLaterInvader)
{
    SquibbleWave& wave = waveAt({{98, 176}, {118, 176}});
    EXPECT_EQ(coil->findNearestInvader(), &testwave::at(wave, 1));
}

TEST_F(TeslaCoilTest, DeadInvaderStillInTheListCanBePicked)
{
    SquibbleWave& wave = waveAt({{108, 170}});
    testwave::at(wave, 0).health = 0;
    EXPECT_EQ(coil->findNearestInvader(), &testwave::at(wave, 0));
}

TEST_F(TeslaCoilTest, NoWaveOrEmptyWaveGivesNoTarget)
{
    EXPECT_EQ(coil->findNearestInvader(), nullptr);
    testwave::install(*world, 0);
    EXPECT_EQ(coil->findNearestInvader(), nullptr);
}

TEST_F(TeslaCoilTest, StrikeDamagesAndSparksFromTheStrikePointToTheTarget)
{
    SquibbleWave& wave = waveAt({{130, 150}});
    coil->update(0.6);
    EXPECT_EQ(testwave::at(wave, 0).health, 8);
    auto shown = sparks();
    ASSERT_EQ(shown.size(), 1u);
    // From (108, 176) to (130, 150): the bolt image spans both ends with 4 pixels to spare.
    EXPECT_EQ(shown[0]->x, 104.0);
    EXPECT_EQ(shown[0]->y, 146.0);
    ASSERT_NE(shown[0]->image, nullptr);
    EXPECT_EQ(shown[0]->image->w, 22 + 8);
    EXPECT_EQ(shown[0]->image->h, 26 + 8);
}

TEST_F(TeslaCoilTest, LongUpdateStrikesTwice)
{
    SquibbleWave& wave = waveAt({{108, 160}});
    coil->update(2.5);
    EXPECT_EQ(testwave::at(wave, 0).health, 6);
    EXPECT_EQ(sparks().size(), 2u);
    EXPECT_FLOAT_EQ(coil->timer, 1.0f);
}

TEST_F(TeslaCoilTest, StrikeOnADeadInvaderOnlyShowsItsSpark)
{
    SquibbleWave& wave = waveAt({{108, 160}});
    Invader& invader = testwave::at(wave, 0);
    invader.health = 2;
    const int moneyBefore = world->money;
    coil->update(2.5);
    EXPECT_EQ(invader.health, 0) << "the second strike does no more damage";
    EXPECT_EQ(world->money, moneyBefore + 5) << "paid once";
    EXPECT_EQ(sparks().size(), 2u);
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
    EXPECT_EQ(coil->damage, 4);
    EXPECT_EQ(coil->upgradeLevels, (std::vector<int>{2, 0}));
    EXPECT_DOUBLE_EQ(coil->range, 50.0) << "the range never changes";
    SquibbleWave& wave = waveAt({{108, 160}});
    coil->update(0.6);
    EXPECT_EQ(testwave::at(wave, 0).health, 6);
}

TEST_F(TeslaCoilTest, SpriteKeepsItsAnimationThroughStrikes)
{
    waveAt({{108, 160}});
    coil->update(0.6);
    EXPECT_EQ(coil->sprite->animation, 0);
    EXPECT_TRUE(coil->sprite->queue.empty());
}
