#include "projectiles/MissileProjectile.h"

#include "assets/AnimatedSprite.h"
#include "effects/SimpleEffect.h"
#include "invaders/Squibble.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"

#include <boost/math/constants/constants.hpp>

#include <cmath>

using worldlists::allOf;

namespace {

constexpr double Pi = boost::math::double_constants::pi;

// Missiles here: speed 100, steering limit 2.0, response 0.3, life 3. Effects are 10 x 10, so
// an effect's centre is its top-left plus 5.
class MissileProjectileTest : public WorldFixture {
protected:
    // A missile at (100, 100) chasing the single invader of a fresh wave, centred at (tx, ty).
    std::unique_ptr<MissileProjectile> chasing(double tx, double ty)
    {
        testwave::centreAt(testwave::at(testwave::install(*world, 1), 0), tx, ty);
        auto missile = std::make_unique<MissileProjectile>(100, 100, 5, 0, 0.0);
        EXPECT_TRUE(missile->acquireTarget());
        return missile;
    }
    // A missile at (100, 100) that has flown long enough to steer, with the given heading.
    std::unique_ptr<MissileProjectile> steeringToward(double tx, double ty, double heading)
    {
        auto missile = chasing(tx, ty);
        missile->heading = heading;
        missile->age = 0.5;
        return missile;
    }
    std::vector<SimpleEffect*> effects() const { return allOf<SimpleEffect>(world->effects); }
};

} // namespace

TEST_F(MissileProjectileTest, FliesStraightForItsFirstMoment)
{
    auto missile = chasing(300, 200);
    missile->heading = Pi / 5;
    missile->update(0.1);
    EXPECT_NEAR(missile->x - 100, 8.09, 0.005);
    EXPECT_NEAR(missile->y - 100, -5.88, 0.005);
    EXPECT_TRUE(effects().empty()) << "no smoke before 0.2 s of flight";
}

TEST_F(MissileProjectileTest, AnticlockwiseTurnIsLimitedAndSlowsTheMissile)
{
    for (double limit : {2.0, 1.0}) {
        auto missile = steeringToward(100, 50, 0.2); // straight above: err 1.3708
        missile->steeringMax = limit;
        missile->update(0.01);
        EXPECT_NEAR(missile->heading, 0.2 + std::min(Pi / 2 - 0.2, limit) * 0.01, 1e-12);
        const double slowDown = 1 - (Pi / 2 - 0.2) * 0.3;
        EXPECT_NEAR(missile->x, 100 + std::cos(missile->heading) * slowDown, 1e-12);
    }
}

TEST_F(MissileProjectileTest, ClockwiseCorrectionIsTakenInFull)
{
    auto missile = steeringToward(100, 150, Pi / 2); // straight below: err -pi
    missile->steeringMax = 0.5;
    missile->update(0.01);
    EXPECT_NEAR(missile->heading, Pi / 2 - Pi * 0.01, 1e-12);
    EXPECT_NEAR(missile->y, 100 - std::sin(missile->heading) * (1 - Pi * 0.3), 1e-12);
}

TEST_F(MissileProjectileTest, MissileOnItsTargetsCentreKeepsItsHeading)
{
    auto missile = steeringToward(100, 100, 1.0);
    missile->update(0.01);
    EXPECT_EQ(missile->heading, 1.0);
    EXPECT_NEAR(missile->x, 100 + std::cos(1.0), 1e-12) << "aim error 0: full speed";
}

TEST_F(MissileProjectileTest, ShowsTheNearestOfSixteenDirections)
{
    auto missile = chasing(300, 20);
    for (const auto& [heading, direction] : {std::pair{6.2, 0}, {0.2, 1}, {Pi / 2, 4}, {3 * Pi / 2, 12}}) {
        missile->heading = heading;
        missile->update(0.0);
        EXPECT_EQ(missile->sprite->animation, direction) << "heading " << heading;
    }
}

TEST_F(MissileProjectileTest, SmokeTrailsOnePuffPerIntervalOfFlight)
{
    auto missile = chasing(300, 20);
    missile->update(0.3);
    auto puffs = effects();
    ASSERT_EQ(puffs.size(), 4u);
    EXPECT_NEAR(missile->puffTimer, 0.06, 1e-9);
    EXPECT_EQ(puffs[3]->x, puffs[0]->x);
    EXPECT_EQ(puffs[0]->y + 5, static_cast<int>(missile->y) - 1);
}

TEST_F(MissileProjectileTest, DebrisScattersOverTheBlastAndTheNextThreeTenths)
{
    MissileProjectile missile(100, 100, 5, 10, 20.0);
    missile.explode();
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u + 15u);
    EXPECT_EQ(shown[0]->delay, 0.0);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_NEAR(shown[i]->delay, i * 0.02, 1e-12);
        EXPECT_GE(shown[i]->x + 5, 90);
        EXPECT_LE(shown[i]->x + 5, 109);
        EXPECT_GE(shown[i]->y + 5, 80);
        EXPECT_LE(shown[i]->y + 5, 118);
    }
}

TEST_F(MissileProjectileTest, BlastNarrowerThanAPixelKeepsItsDebrisAtTheCentre)
{
    MissileProjectile missile(100, 100, 5, 3, 0.5);
    missile.explode();
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u + 4u); // n = 3.125
    for (const SimpleEffect* debris : shown)
        EXPECT_EQ(std::pair(debris->x, debris->y), std::pair(95.0, 95.0));
}

TEST_F(MissileProjectileTest, AbsurdBlastDoesNotFloodTheField)
{
    MissileProjectile missile(100, 100, 5, 2000000000, 1.0e300);
    missile.explode();
    EXPECT_LE(effects().size(), 201u);
}

TEST_F(MissileProjectileTest, HitWithoutBlastHurtsOnlyTheInvaderHit)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    testwave::centreAt(testwave::at(wave, 0), 100, 100);
    testwave::centreAt(testwave::at(wave, 1), 102, 100);
    MissileProjectile missile(100, 100, 4, 0, 0.0);
    missile.hit(&testwave::at(wave, 1));
    EXPECT_FALSE(missile.alive);
    EXPECT_EQ(testwave::at(wave, 0).health, 10);
    EXPECT_EQ(testwave::at(wave, 1).health, 6);
    EXPECT_EQ(effects().size(), 1u);
}

TEST_F(MissileProjectileTest, BlastDamagesLivingInvadersStrictlyWithinReach)
{
    SquibbleWave& wave = testwave::install(*world, 3);
    testwave::centreAt(testwave::at(wave, 0), 100, 100); // hit directly
    testwave::centreAt(testwave::at(wave, 1), 127, 100); // 27 < 20 + 8
    testwave::centreAt(testwave::at(wave, 2), 128, 100); // exactly at reach
    MissileProjectile missile(100, 100, 5, 2, 20.0);
    missile.hit(&testwave::at(wave, 0));
    EXPECT_EQ(testwave::at(wave, 0).health, 3) << "direct damage, then the blast";
    EXPECT_EQ(testwave::at(wave, 1).health, 8);
    EXPECT_EQ(testwave::at(wave, 2).health, 10);
}

TEST_F(MissileProjectileTest, FizzlesWithAPoofWhenNoInvaderIsLeft)
{
    auto missile = chasing(300, 20);
    missile->x = 120.7;
    world->currentWave->invaders.clear();
    missile->update(0.01);
    EXPECT_FALSE(missile->alive);
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->sprite->sheet, app().poofSheet.get());
    EXPECT_EQ(shown[0]->x + 5, 120);
    EXPECT_EQ(shown[0]->y + 5, 100);
}

TEST_F(MissileProjectileTest, LostTargetIsReplacedByAnInvaderStillInTheWave)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    MissileProjectile missile(100, 100, 5, 0, 0.0);
    missile.target = &testwave::at(wave, 0);
    wave.invaders.pop_front();
    missile.update(0.0);
    EXPECT_TRUE(missile.alive);
    EXPECT_EQ(missile.target, &testwave::at(wave, 0));
}

TEST_F(MissileProjectileTest, InvaderMadeWhereTheTargetWasIsNotTheTarget)
{
    SquibbleWave& wave = testwave::install(*world, 1);
    MissileProjectile missile(100, 100, 5, 0, 0.0);
    ASSERT_TRUE(missile.acquireTarget());
    // The target is deleted and two new invaders join; the second stands in the deleted one's
    // memory, so the missile's pointer now names it.
    wave.invaders.clear();
    wave.invaders.push_back(std::make_unique<Squibble>());
    wave.invaders.push_back(std::make_unique<Squibble>());
    Invader* first = wave.invaders.front().get();
    missile.target = wave.invaders.back().get();
    // A seed whose next pick is the first invader: only a fresh pick can choose it.
    unsigned seed = 1;
    for (std::srand(seed); std::rand() % 2 != 0; std::srand(++seed)) {
    }
    std::srand(seed);
    missile.update(0.0);
    EXPECT_EQ(missile.target, first);
}
