#include "towers/MissileTurret.h"

#include "assets/AnimatedSprite.h"
#include "effects/SimpleEffect.h"
#include "projectiles/MissileProjectile.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

#include <boost/math/constants/constants.hpp>

using worldlists::allOf;

namespace {

constexpr double Pi = boost::math::double_constants::pi;

// Turret at x = 100 with 16-pixel frames on the baseline at 200; period 1.5, so the first
// launch comes with an update of 0.8 s.
class MissileTurretTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        tower = std::make_unique<MissileTurret>(); // after the content is installed
        tower->place(100);
    }
    // A wave of one invader whose centre is at the given x, high above the tower->
    void loneTargetAt(double centreX)
    {
        testwave::centreAt(testwave::at(testwave::install(*world, 1), 0), centreX, 50);
    }
    std::vector<MissileProjectile*> missiles() const { return allOf<MissileProjectile>(world->projectiles); }

    std::unique_ptr<MissileTurret> tower;
};

} // namespace

TEST_F(MissileTurretTest, TargetRightOfTheLeftEdgeIsLaunchedAtToTheRight)
{
    loneTargetAt(104); // between the tower's left edge and its centre
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0]->x, 109.0);
    EXPECT_EQ(launched[0]->y, 191.0);
    EXPECT_DOUBLE_EQ(launched[0]->heading, Pi / 5);
    EXPECT_TRUE(tower->firedRight);
    EXPECT_EQ(tower->sprite->animation, 4);
    EXPECT_EQ(tower->sprite->queue, std::deque<int>{2});
}

TEST_F(MissileTurretTest, TargetCentredOnTheLeftEdgeIsLaunchedAtToTheLeft)
{
    loneTargetAt(100);
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_DOUBLE_EQ(launched[0]->heading, 4 * Pi / 5);
    EXPECT_FALSE(tower->firedRight);
    EXPECT_EQ(tower->sprite->animation, 3);
    EXPECT_EQ(tower->sprite->queue, std::deque<int>{0});
}

TEST_F(MissileTurretTest, LaunchSmokeBlowsOutOnTheSideOfTheLaunch)
{
    for (const bool right : {true, false}) {
        for (int launch = 0; launch < 15; ++launch) {
            loneTargetAt(right ? 300 : 20);
            world->effects.clear();
            tower->update(1.5);
            auto puffs = allOf<SimpleEffect>(world->effects);
            ASSERT_EQ(puffs.size(), 3u);
            for (const SimpleEffect* puff : puffs) {
                EXPECT_GE(puff->x + 5, right ? 111 : 99); // centre of a 10 x 10 puff
                EXPECT_LE(puff->x + 5, right ? 116 : 104);
                EXPECT_GE(puff->y + 5, 179);
                EXPECT_LE(puff->y + 5, 184);
            }
        }
    }
}

TEST_F(MissileTurretTest, NoInvaderMeansNoLaunch)
{
    tower->update(0.8);
    EXPECT_TRUE(world->projectiles.empty());
    EXPECT_TRUE(world->effects.empty());
    EXPECT_TRUE(tower->sprite->queue.empty());
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
    EXPECT_NE(launched[1]->target, nullptr);
}

TEST_F(MissileTurretTest, BlastUpgradeAddsTheSplashModifierPerLevel)
{
    tower->upgrade(1);
    tower->upgrade(1);
    EXPECT_DOUBLE_EQ(tower->splashRadius, 28.0);
}

// On First both missiles of a double launch go for the lowest invader, and a missile whose
// target is destroyed picks the next by the same rule.
TEST_F(MissileTurretTest, FirstSendsEveryMissileAtTheLowestInvaderAndKeepsToIt)
{
    SquibbleWave& wave = testwave::install(*world, 16); // a row of 12 above a row of 4
    tower->aim = TargetPriority::First;
    tower->upgrade(2);
    tower->update(0.8);
    auto launched = missiles();
    ASSERT_EQ(launched.size(), 2u);
    const double lowest = wave.invaders.back()->y;
    EXPECT_TRUE(launched[0]->target == launched[1]->target && launched[0]->target->y == lowest);
    // Marching right, the right end of the lowest row; once it is gone, the next along.
    Invader* first = launched[0]->target;
    first->health = 0;
    launched[0]->update(0.0);
    EXPECT_TRUE(launched[0]->target->y == lowest && launched[0]->target->x < first->x);
}
