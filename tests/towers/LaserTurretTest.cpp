#include "towers/LaserTurret.h"

#include "assets/AnimatedSprite.h"
#include "effects/SimpleEffect.h"
#include "projectiles/LaserProjectile.h"
#include "projectiles/MissileProjectile.h"
#include "support/TestSound.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

#include <boost/math/constants/constants.hpp>

using worldlists::allOf;

namespace {

constexpr double Pi = boost::math::double_constants::pi;

// Turret at x = 100 with 16-pixel frames on the baseline at 200: laser period 0.5, missile period 2.
class LaserTurretTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        tower = std::make_unique<LaserTurret>(); // after the content is installed
        tower->place(100);
    }
    std::vector<MissileProjectile*> missiles() const { return allOf<MissileProjectile>(world->projectiles); }

    std::unique_ptr<LaserTurret> tower;
};

} // namespace

TEST_F(LaserTurretTest, BoltLeavesTheMuzzleWithTheFiringAnimation)
{
    tower->update(0.3);
    auto bolts = allOf<LaserProjectile>(world->projectiles);
    ASSERT_EQ(bolts.size(), 1u);
    EXPECT_EQ(bolts[0]->x, 108.0);
    EXPECT_EQ(bolts[0]->y, 188.0);
    EXPECT_EQ(bolts[0]->damage, 3);
    EXPECT_EQ(tower->sprite->animation, 2);
    EXPECT_EQ(tower->sprite->queue, std::deque<int>{0});
}

TEST_F(LaserTurretTest, RateUpgradeAddsTheLevelOneModifierPerLevel)
{
    tower->upgrade(0);
    tower->upgrade(0);
    EXPECT_NEAR(tower->period, 0.3f, 1e-6);
}

TEST_F(LaserTurretTest, LauncherStaysOffUntilBought)
{
    testwave::install(*world, 4);
    tower->update(50.0);
    EXPECT_TRUE(missiles().empty());
    tower->upgrade(1);
    tower->update(0.9);
    EXPECT_TRUE(missiles().empty()) << "the first missile follows half a missile period after the purchase";
    tower->update(0.2);
    EXPECT_EQ(missiles().size(), 1u);
}

TEST_F(LaserTurretTest, MissilesLaunchUpwardsFromTheMuzzleWithPuffs)
{
    testwave::install(*world, 4);
    tower->upgrade(1);
    tower->update(1.1);
    for (int launch = 0; launch < 30; ++launch) {
        world->projectiles.clear();
        world->effects.clear();
        tower->update(2.0);
        auto launched = missiles();
        ASSERT_EQ(launched.size(), 1u);
        EXPECT_EQ(launched[0]->x, 109.0);
        EXPECT_EQ(launched[0]->y, 196.0);
        EXPECT_EQ(launched[0]->splashRadius, 0.0);
        EXPECT_GE(launched[0]->heading, 0.2 * Pi);
        EXPECT_LE(launched[0]->heading, 0.8 * Pi);
        auto puffs = allOf<SimpleEffect>(world->effects);
        ASSERT_EQ(puffs.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_GE(puffs[i]->x + 5, 105); // centre of a 10 x 10 puff
            EXPECT_LE(puffs[i]->x + 5, 110);
            EXPECT_GE(puffs[i]->y + 5, 182);
            EXPECT_LE(puffs[i]->y + 5, 187);
            EXPECT_DOUBLE_EQ(puffs[i]->delay, 0.1 + i * 0.07);
        }
    }
}

TEST_F(LaserTurretTest, MissileWithoutTargetIsDiscardedWithoutPuffs)
{
    tower->upgrade(1);
    tower->update(1.1);
    EXPECT_TRUE(missiles().empty());
    EXPECT_TRUE(world->effects.empty());
}

TEST_F(LaserTurretTest, LaterLauncherLevelsChangeNothing)
{
    testwave::install(*world, 4);
    tower->upgrade(1);
    tower->upgrade(1);
    EXPECT_FLOAT_EQ(tower->missilePeriod, 2.0f);
    EXPECT_FLOAT_EQ(tower->period, 0.5f);
    tower->update(1.1);
    tower->update(2.0);
    EXPECT_EQ(missiles().size(), 2u);
}

TEST_F(LaserTurretTest, ABoltIntoAnEmptySkyIsSeenButNotHeard)
{
    testsound::RecordingSoundOutput& sounds = testsound::install();
    tower->update(0.3);
    EXPECT_EQ(allOf<LaserProjectile>(world->projectiles).size(), 1u);
    testwave::install(*world, 4);
    testsound::now() += 1.0;
    tower->update(0.5);
    EXPECT_EQ(allOf<LaserProjectile>(world->projectiles).size(), 2u);
    EXPECT_EQ(sounds.of(SoundEvent::LaserFired).size(), 1u) << "only the bolt fired with a wave in the sky";
}

// Until its launcher is bought the laser turret has nothing to aim; then its missiles take its rule.
TEST_F(LaserTurretTest, AimChoicesComeWithTheLauncher)
{
    EXPECT_FALSE(tower->stepAim());
    tower->upgrade(1);
    ASSERT_TRUE(tower->stepAim());
    testwave::install(*world, 16);
    tower->update(1.1);
    EXPECT_TRUE(missiles().size() == 1u && missiles()[0]->aim == TargetPriority::First);
}
