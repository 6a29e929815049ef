#include "towers/MissileTurret.h"

#include "assets/AnimatedSprite.h"
#include "effects/SimpleEffect.h"
#include "projectiles/MissileProjectile.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

using testcontent::EffectFrameSize;
using worldlists::allOf;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Tower at x = 100 with the synthetic 16-pixel-wide sheet, on the baseline at 200. Its period
// is 1.5 s, so the first launch comes with an update of 0.8 s.
class MissileTurretTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        tower = std::make_unique<MissileTurret>();
        tower->place(100);
    }

    // A wave of one invader whose centre is at the given x, high above the tower.
    Invader& loneTargetAt(double centreX)
    {
        Invader& invader = testwave::at(testwave::install(*world, 1), 0);
        testwave::centreAt(invader, centreX, 50);
        return invader;
    }

    std::vector<MissileProjectile*> missiles() const { return allOf<MissileProjectile>(world->projectiles); }

    std::unique_ptr<MissileTurret> tower;
};

} // namespace

TEST_F(MissileTurretTest, ReadsItsValuesFromTheConfiguration)
{
    EXPECT_FLOAT_EQ(tower->period, 1.5f);
    EXPECT_FLOAT_EQ(tower->timer, 0.75f);
    EXPECT_EQ(tower->damage, 5);
    EXPECT_EQ(tower->splashDamage, 2);
    EXPECT_DOUBLE_EQ(tower->splashRadius, 20.0);
    EXPECT_FALSE(tower->firedRight);
}

TEST_F(MissileTurretTest, LaunchesToTheRightWhenTheTargetIsRightOfTheLeftEdge)
{
    Invader& target = loneTargetAt(104); // between the tower's left edge and its centre
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0]->target, &target);
    EXPECT_EQ(launched[0]->x, 109.0);
    EXPECT_EQ(launched[0]->y, 191.0);
    EXPECT_DOUBLE_EQ(launched[0]->heading, Pi / 5);
    EXPECT_EQ(launched[0]->damage, 5);
    EXPECT_EQ(launched[0]->splashDamage, 2);
    EXPECT_DOUBLE_EQ(launched[0]->splashRadius, 20.0);
    EXPECT_TRUE(tower->firedRight);
    EXPECT_EQ(tower->sprite->animation, 4);
    ASSERT_EQ(tower->sprite->queue.size(), 1u);
    EXPECT_EQ(tower->sprite->queue.front(), 2);
}

TEST_F(MissileTurretTest, TargetCentredOnTheLeftEdgeCountsAsLeft)
{
    loneTargetAt(100);
    tower->firedRight = true;
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_DOUBLE_EQ(launched[0]->heading, 4 * Pi / 5);
    EXPECT_FALSE(tower->firedRight);
    EXPECT_EQ(tower->sprite->animation, 3);
    ASSERT_EQ(tower->sprite->queue.size(), 1u);
    EXPECT_EQ(tower->sprite->queue.front(), 0);
}

TEST_F(MissileTurretTest, LaunchSmokeBlowsOutOnTheSideOfTheLaunch)
{
    for (double targetX : {300.0, 20.0}) {
        const bool right = targetX > 100;
        for (int launch = 0; launch < 15; ++launch) {
            loneTargetAt(targetX);
            world->effects.clear();
            tower->update(1.5);
            auto puffs = allOf<SimpleEffect>(world->effects);
            ASSERT_EQ(puffs.size(), 3u);
            const double delays[] = {0.1, 0.17, 0.24};
            for (int i = 0; i < 3; ++i) {
                const double centreX = puffs[i]->x + EffectFrameSize / 2;
                const double centreY = puffs[i]->y + EffectFrameSize / 2;
                EXPECT_GE(centreX, right ? 111 : 99);
                EXPECT_LE(centreX, right ? 116 : 104);
                EXPECT_GE(centreY, 179);
                EXPECT_LE(centreY, 184);
                EXPECT_DOUBLE_EQ(puffs[i]->delay, delays[i]);
            }
        }
    }
}

TEST_F(MissileTurretTest, NoInvaderMeansNoLaunchButThePeriodIsSpent)
{
    tower->update(0.8);
    EXPECT_TRUE(world->projectiles.empty());
    EXPECT_TRUE(world->effects.empty());
    EXPECT_EQ(tower->sprite->animation, 0);
    EXPECT_TRUE(tower->sprite->queue.empty());
    EXPECT_NEAR(tower->timer, 0.05f, 1e-5);

    testwave::install(*world, 3);
    tower->update(0.8);
    EXPECT_TRUE(missiles().empty()) << "an empty period is not made up later";
}

TEST_F(MissileTurretTest, DoubleLaunchSendsTwoMissilesTheSameWay)
{
    testwave::install(*world, 16);
    tower->upgrade(2);
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[0]->x, launched[1]->x);
    EXPECT_EQ(launched[0]->y, launched[1]->y);
    EXPECT_EQ(launched[0]->heading, launched[1]->heading);
    EXPECT_NE(launched[0]->target, nullptr);
    EXPECT_NE(launched[1]->target, nullptr);
    EXPECT_EQ(allOf<SimpleEffect>(world->effects).size(), 3u) << "one set of puffs per launch";
}

TEST_F(MissileTurretTest, EachMissileOfADoubleLaunchPicksItsOwnTarget)
{
    testwave::install(*world, 16);
    tower->upgrade(2);
    bool differed = false;
    for (int launch = 0; launch < 20 && !differed; ++launch) {
        world->projectiles.clear();
        tower->update(1.5);
        auto launched = missiles();
        ASSERT_EQ(launched.size(), 2u);
        differed = launched[0]->target != launched[1]->target;
    }
    EXPECT_TRUE(differed);
}

TEST_F(MissileTurretTest, BlastUpgradeAddsTheSplashModifierPerLevel)
{
    tower->upgrade(1);
    tower->upgrade(1);
    EXPECT_DOUBLE_EQ(tower->splashRadius, 28.0);
    loneTargetAt(300);
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_DOUBLE_EQ(launched[0]->splashRadius, 28.0);
}

TEST_F(MissileTurretTest, RateUpgradeShortensThePeriod)
{
    tower->upgrade(0);
    EXPECT_EQ(tower->period, 1.5f + -0.2f);
    EXPECT_EQ(tower->upgradeLevels, (std::vector<int>{1, 0, 0, 0}));
}

TEST_F(MissileTurretTest, MissilesInFlightKeepTheirLaunchValues)
{
    loneTargetAt(300);
    tower->update(0.8);
    tower->upgrade(1);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_DOUBLE_EQ(launched[0]->splashRadius, 20.0);
}
