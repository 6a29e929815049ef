#include "towers/LaserTurret.h"

#include "assets/AnimatedSprite.h"
#include "effects/SimpleEffect.h"
#include "projectiles/LaserProjectile.h"
#include "projectiles/MissileProjectile.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

#include <cmath>

using testcontent::EffectFrameSize;
using worldlists::allOf;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Tower at x = 100 with the synthetic 16-pixel-wide sheet, on the baseline at 200.
class LaserTurretTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        tower = std::make_unique<LaserTurret>();
        tower->place(100);
    }

    std::vector<LaserProjectile*> bolts() const { return allOf<LaserProjectile>(world->projectiles); }
    std::vector<MissileProjectile*> missiles() const { return allOf<MissileProjectile>(world->projectiles); }

    std::unique_ptr<LaserTurret> tower;
};

} // namespace

TEST_F(LaserTurretTest, ReadsItsValuesFromTheConfiguration)
{
    EXPECT_FLOAT_EQ(tower->period, 0.5f);
    EXPECT_FLOAT_EQ(tower->timer, 0.25f);
    EXPECT_FLOAT_EQ(tower->missilePeriod, 2.0f);
    EXPECT_FLOAT_EQ(tower->missileTimer, 1.0f);
    EXPECT_EQ(tower->damage, 3);
    EXPECT_EQ(tower->missileDamage, 4);
}

TEST_F(LaserTurretTest, BoltLeavesTheMuzzleWithTheTowersDamage)
{
    tower->update(0.3);
    auto fired = bolts();
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0]->x, 108.0);
    EXPECT_EQ(fired[0]->y, 188.0);
    EXPECT_EQ(fired[0]->damage, 3);
}

TEST_F(LaserTurretTest, ShotPlaysTheFiringAnimationOnce)
{
    tower->update(0.3);
    EXPECT_EQ(tower->sprite->animation, 2);
    ASSERT_EQ(tower->sprite->queue.size(), 1u);
    EXPECT_EQ(tower->sprite->queue.front(), 0);
}

TEST_F(LaserTurretTest, FiresWithoutAnyInvader)
{
    ASSERT_EQ(world->currentWave, nullptr);
    tower->update(1.3);
    EXPECT_EQ(bolts().size(), 3u);
}

TEST_F(LaserTurretTest, LongUpdateFiresTwoBoltsAndKeepsTheRemainder)
{
    app().config.set("Tower1.FreqBase", "1.0");
    LaserTurret slow;
    slow.place(100);
    slow.update(2.5);
    EXPECT_EQ(bolts().size(), 2u);
    EXPECT_FLOAT_EQ(slow.timer, 1.0f);
}

TEST_F(LaserTurretTest, RateUpgradeAddsTheLevelOneModifierPerLevel)
{
    tower->upgrade(0);
    tower->upgrade(0);
    EXPECT_NEAR(tower->period, 0.3f, 1e-6);
    EXPECT_EQ(tower->period, 0.5f + -0.1f + -0.1f);
    EXPECT_EQ(tower->upgradeLevels[0], 2);
}

TEST_F(LaserTurretTest, LauncherStaysOffUntilBought)
{
    testwave::install(*world, 4);
    for (int i = 0; i < 100; ++i)
        tower->update(0.1);
    EXPECT_TRUE(missiles().empty());
    EXPECT_FLOAT_EQ(tower->missileTimer, 1.0f) << "its timer does not run either";
}

TEST_F(LaserTurretTest, BoughtLauncherFiresAboutHalfAPeriodLater)
{
    testwave::install(*world, 4);
    tower->upgrade(1);
    tower->update(0.9);
    EXPECT_TRUE(missiles().empty());
    tower->update(0.2);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    const MissileProjectile& missile = *launched[0];
    EXPECT_EQ(missile.x, 109.0);
    EXPECT_EQ(missile.y, 196.0);
    EXPECT_EQ(missile.damage, 4);
    EXPECT_EQ(missile.splashDamage, 0);
    EXPECT_EQ(missile.splashRadius, 0.0);
    EXPECT_NE(missile.target, nullptr);
}

TEST_F(LaserTurretTest, MissilesLaunchUpwardsWithinTheSpread)
{
    testwave::install(*world, 4);
    tower->upgrade(1);
    for (int i = 0; i < 40; ++i)
        tower->update(2.0);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 40u);
    double lowest = 10.0;
    double highest = -10.0;
    for (const MissileProjectile* missile : launched) {
        lowest = std::min(lowest, missile->heading);
        highest = std::max(highest, missile->heading);
    }
    EXPECT_GE(lowest, 0.2 * Pi);
    EXPECT_LE(highest, 0.8 * Pi);
    EXPECT_GT(highest - lowest, 0.2 * Pi) << "the headings are spread, not fixed";
}

TEST_F(LaserTurretTest, LaunchPuffsRiseAroundTheMuzzleOneAfterAnother)
{
    testwave::install(*world, 4);
    tower->upgrade(1);
    for (int launch = 0; launch < 20; ++launch) {
        world->effects.clear();
        tower->update(2.0);
        auto puffs = allOf<SimpleEffect>(world->effects);
        ASSERT_EQ(puffs.size(), 3u);
        const double delays[] = {0.1, 0.17, 0.24};
        for (int i = 0; i < 3; ++i) {
            const double centreX = puffs[i]->x + EffectFrameSize / 2;
            const double centreY = puffs[i]->y + EffectFrameSize / 2;
            EXPECT_GE(centreX, 105);
            EXPECT_LE(centreX, 110);
            EXPECT_GE(centreY, 182);
            EXPECT_LE(centreY, 187);
            EXPECT_DOUBLE_EQ(puffs[i]->delay, delays[i]);
        }
    }
}

TEST_F(LaserTurretTest, MissileWithoutTargetIsDiscardedWithoutPuffs)
{
    tower->upgrade(1);
    tower->update(1.1);
    EXPECT_TRUE(missiles().empty());
    EXPECT_TRUE(world->effects.empty());
    EXPECT_NEAR(tower->missileTimer, 0.1f, 1e-5) << "the shot is used up all the same";
}

TEST_F(LaserTurretTest, FurtherLauncherLevelsChangeNothing)
{
    testwave::install(*world, 4);
    tower->upgrade(1);
    tower->upgrade(1);
    tower->upgrade(1);
    EXPECT_FLOAT_EQ(tower->missilePeriod, 2.0f);
    EXPECT_EQ(tower->missileDamage, 4);
    EXPECT_FLOAT_EQ(tower->period, 0.5f);
    EXPECT_EQ(tower->damage, 3);
    tower->update(1.1);
    tower->update(2.0);
    EXPECT_EQ(missiles().size(), 2u) << "still one missile per missile period";
}
