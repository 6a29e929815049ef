#include "projectiles/MissileProjectile.h"

#include "assets/AnimatedSprite.h"
#include "effects/SimpleEffect.h"
#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"
#include "towers/MissileTurret.h"

#include <allegro.h>

#include <cmath>

using testcontent::EffectFrameSize;
using worldlists::allOf;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Missiles in the synthetic configuration: speed 100, steering limit 2.0, response 0.3, life 3.
class MissileProjectileTest : public WorldFixture {
protected:
    // A missile at (100, 100) chasing the single invader of a fresh wave, centred at (tx, ty).
    std::unique_ptr<MissileProjectile> chasing(double tx, double ty, int splashDamage = 0, double splashRadius = 0.0)
    {
        Invader& invader = testwave::at(testwave::install(*world, 1), 0);
        testwave::centreAt(invader, tx, ty);
        auto missile = std::make_unique<MissileProjectile>(100, 100, 5, splashDamage, splashRadius);
        EXPECT_TRUE(missile->acquireTarget());
        return missile;
    }

    std::vector<SimpleEffect*> effects() const { return allOf<SimpleEffect>(world->effects); }

    static double centreX(const SimpleEffect* effect) { return effect->x + EffectFrameSize / 2; }
    static double centreY(const SimpleEffect* effect) { return effect->y + EffectFrameSize / 2; }
};

} // namespace

TEST_F(MissileProjectileTest, StartsFromTheConfiguration)
{
    MissileProjectile missile(10, 20, 5, 2, 20.0);
    EXPECT_EQ(missile.x, 10.0);
    EXPECT_EQ(missile.y, 20.0);
    EXPECT_DOUBLE_EQ(missile.heading, 3 * Pi / 4);
    EXPECT_EQ(missile.speed, 100.0);
    EXPECT_EQ(missile.steeringMax, 2.0);
    EXPECT_EQ(missile.steeringResponse, 0.3);
    EXPECT_EQ(missile.life, 3.0);
    EXPECT_EQ(missile.target, nullptr);
    EXPECT_EQ(missile.age, 0.0);
    EXPECT_EQ(missile.puffTimer, 0.0);
    ASSERT_NE(missile.sprite, nullptr);
}

TEST_F(MissileProjectileTest, AcquiresOnlyFromAWaveWithInvaders)
{
    MissileProjectile missile(0, 0, 1, 0, 0.0);
    EXPECT_FALSE(missile.acquireTarget());
    testwave::install(*world, 0);
    EXPECT_FALSE(missile.acquireTarget());
    EXPECT_EQ(missile.target, nullptr);
    testwave::install(*world, 5);
    EXPECT_TRUE(missile.acquireTarget());
    EXPECT_TRUE(world->currentWave->contains(missile.target));
}

TEST_F(MissileProjectileTest, FliesStraightForItsFirstMoment)
{
    auto missile = chasing(300, 200); // far off its heading: no steering yet
    missile->heading = Pi / 5;
    missile->update(0.1);
    EXPECT_NEAR(missile->x - 100, 8.09, 0.005);
    EXPECT_NEAR(missile->y - 100, -5.88, 0.005);
    EXPECT_DOUBLE_EQ(missile->heading, Pi / 5);
    EXPECT_TRUE(effects().empty()) << "no smoke before 0.2 s of flight";
}

TEST_F(MissileProjectileTest, SteersTowardTheTargetUpToTheAnticlockwiseLimit)
{
    for (double limit : {2.0, 1.0}) {
        auto missile = chasing(100, 50); // straight above
        missile->heading = 0.2;
        missile->age = 0.5;
        missile->steeringMax = limit;
        missile->update(0.01);
        const double turn = std::min(Pi / 2 - 0.2, limit);
        EXPECT_NEAR(missile->heading, 0.2 + turn * 0.01, 1e-12) << "limit " << limit;
        const double slowDown = 1 - (Pi / 2 - 0.2) * 0.3;
        EXPECT_NEAR(missile->x, 100 + std::cos(missile->heading) * 100 * 0.01 * slowDown, 1e-12);
        EXPECT_NEAR(missile->y, 100 - std::sin(missile->heading) * 100 * 0.01 * slowDown, 1e-12);
    }
}

TEST_F(MissileProjectileTest, ClockwiseCorrectionIsTakenInFull)
{
    auto missile = chasing(100, 150); // straight below
    missile->heading = Pi / 2;
    missile->age = 0.5;
    missile->steeringMax = 0.5;
    missile->update(0.01);
    EXPECT_NEAR(missile->heading, Pi / 2 - Pi * 0.01, 1e-12);
    const double slowDown = 1 - Pi * 0.3;
    EXPECT_NEAR(missile->y, 100 - std::sin(missile->heading) * 100 * 0.01 * slowDown, 1e-12);
}

TEST_F(MissileProjectileTest, LargeResponseBacksTheMissileUp)
{
    auto missile = chasing(100, 150);
    missile->heading = Pi / 2;
    missile->age = 0.5;
    missile->steeringResponse = 1.0;
    missile->update(0.01);
    EXPECT_GT(missile->y, 100.0) << "pointing up, it moves down toward its target";
}

TEST_F(MissileProjectileTest, HeadingStaysWithinOneTurn)
{
    auto missile = chasing(150, 110); // a little below to the right: wanted is just below 0
    missile->heading = 0.01;
    missile->age = 0.5;
    missile->update(0.1);
    EXPECT_GE(missile->heading, 0.0);
    EXPECT_LT(missile->heading, 2 * Pi);
    EXPECT_GT(missile->heading, 6.0);
}

TEST_F(MissileProjectileTest, MissileOnItsTargetsCentreKeepsItsHeading)
{
    auto missile = chasing(100, 100);
    missile->heading = 1.0;
    missile->age = 0.5;
    missile->update(0.01);
    EXPECT_EQ(missile->heading, 1.0);
    EXPECT_TRUE(std::isfinite(missile->x));
    EXPECT_NEAR(missile->x, 100 + std::cos(1.0), 1e-12) << "aim error 0: full speed";
}

TEST_F(MissileProjectileTest, ShowsTheNearestOfSixteenDirections)
{
    auto missile = chasing(300, 20);
    const std::pair<double, int> cases[] = {{6.2, 0}, {0.2, 1}, {0.0, 0}, {Pi / 2, 4}, {Pi, 8}, {3 * Pi / 2, 12},
                                            {Pi / 8 - 0.01, 1}, {Pi / 16 - 0.01, 0}};
    for (const auto& [heading, direction] : cases) {
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
    for (const SimpleEffect* puff : puffs) {
        EXPECT_EQ(puff->x, puffs[0]->x);
        EXPECT_EQ(puff->y, puffs[0]->y);
        EXPECT_EQ(puff->delay, 0.0);
    }
    EXPECT_EQ(centreX(puffs[0]), static_cast<int>(missile->x - std::cos(missile->heading)));
    EXPECT_EQ(centreY(puffs[0]), static_cast<int>(missile->y) - 1);
    missile->update(0.05);
    EXPECT_EQ(effects().size(), 4u);
    missile->update(0.02);
    EXPECT_EQ(effects().size(), 5u);
}

TEST_F(MissileProjectileTest, ExplodesWhenItsLifeRunsOut)
{
    auto missile = chasing(300, 20);
    missile->update(2.9);
    EXPECT_TRUE(missile->alive);
    world->effects.clear();
    missile->update(0.2);
    EXPECT_FALSE(missile->alive);
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u) << "the main explosion only, without a blast radius";
    EXPECT_EQ(shown[0]->sprite->sheet, app().explosionSmallSheet.get());
}

TEST_F(MissileProjectileTest, DirectHitWithoutBlastHurtsOnlyTheInvaderHit)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    testwave::centreAt(testwave::at(wave, 0), 100, 100);
    testwave::centreAt(testwave::at(wave, 1), 102, 100);
    MissileProjectile missile(100, 100, 4, 0, 0.0);
    missile.hit(&testwave::at(wave, 1));
    EXPECT_FALSE(missile.alive);
    EXPECT_EQ(testwave::at(wave, 0).health, 10);
    EXPECT_EQ(testwave::at(wave, 1).health, 6);
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(centreX(shown[0]), 100);
    EXPECT_EQ(centreY(shown[0]), 100);
    EXPECT_EQ(shown[0]->delay, 0.0);
}

TEST_F(MissileProjectileTest, BlastDamagesEveryLivingInvaderWithinReach)
{
    SquibbleWave& wave = testwave::install(*world, 4);
    testwave::centreAt(testwave::at(wave, 0), 100, 100); // hit directly
    testwave::centreAt(testwave::at(wave, 1), 127, 100); // 27 < 20 + 8
    testwave::centreAt(testwave::at(wave, 2), 128, 100); // exactly at reach: spared
    testwave::centreAt(testwave::at(wave, 3), 100, 80);
    testwave::at(wave, 3).health = 0;
    MissileProjectile missile(100, 100, 5, 2, 20.0);
    missile.hit(&testwave::at(wave, 0));
    EXPECT_EQ(testwave::at(wave, 0).health, 3) << "direct damage, then the blast";
    EXPECT_EQ(testwave::at(wave, 1).health, 8);
    EXPECT_EQ(testwave::at(wave, 2).health, 10);
    EXPECT_EQ(testwave::at(wave, 3).health, 0) << "the dead are not hurt again";
}

TEST_F(MissileProjectileTest, InvaderKilledByTheDirectHitIsNotPaidTwice)
{
    SquibbleWave& wave = testwave::install(*world, 1);
    testwave::centreAt(testwave::at(wave, 0), 100, 100);
    const int before = world->money;
    MissileProjectile missile(100, 100, 10, 2, 20.0);
    missile.hit(&testwave::at(wave, 0));
    EXPECT_EQ(testwave::at(wave, 0).health, 0);
    EXPECT_EQ(world->money, before + 5);
}

TEST_F(MissileProjectileTest, DebrisScattersOverTheBlastAndTheNextThreeTenths)
{
    MissileProjectile missile(100, 100, 5, 10, 20.0);
    missile.explode();
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u + 15u);
    EXPECT_EQ(shown[0]->delay, 0.0);
    EXPECT_EQ(centreX(shown[0]), 100);
    EXPECT_EQ(centreY(shown[0]), 100);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_NEAR(shown[i]->delay, i * 0.02, 1e-12);
        EXPECT_GE(centreX(shown[i]), 90);
        EXPECT_LE(centreX(shown[i]), 109);
        EXPECT_GE(centreY(shown[i]), 80);
        EXPECT_LE(centreY(shown[i]), 118);
        EXPECT_EQ(static_cast<int>(centreY(shown[i])) % 2, 0) << "vertical steps of 2";
    }
}

TEST_F(MissileProjectileTest, FractionalDebrisCountRoundsUp)
{
    MissileProjectile missile(100, 100, 5, 10, 2.0); // n = 10.5
    missile.explode();
    EXPECT_EQ(effects().size(), 1u + 11u);
}

TEST_F(MissileProjectileTest, BlastNarrowerThanAPixelKeepsItsDebrisAtTheCentre)
{
    MissileProjectile missile(100, 100, 5, 3, 0.5);
    missile.explode();
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u + 4u); // n = 3.125
    for (const SimpleEffect* debris : shown) {
        EXPECT_EQ(centreX(debris), 100);
        EXPECT_EQ(centreY(debris), 100);
    }
}

TEST_F(MissileProjectileTest, AbsurdBlastDoesNotFloodTheField)
{
    MissileProjectile missile(100, 100, 5, 2000000000, 1.0e300);
    missile.explode();
    EXPECT_LE(effects().size(), 201u);
}

TEST_F(MissileProjectileTest, FizzlesWhenNoInvaderIsLeft)
{
    auto missile = chasing(300, 20);
    missile->x = 120.7;
    missile->y = 80.2;
    world->currentWave->invaders.clear();
    missile->update(0.01);
    EXPECT_FALSE(missile->alive);
    auto shown = effects();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->sprite->sheet, app().poofSheet.get());
    EXPECT_EQ(centreX(shown[0]), 120);
    EXPECT_EQ(centreY(shown[0]), 80);
    EXPECT_EQ(missile->age, 0.0) << "the update ends with the fizzle";
}

TEST_F(MissileProjectileTest, FizzlesWhenTheWaveHasEnded)
{
    auto missile = chasing(300, 20);
    world->currentWave.reset();
    missile->update(0.0);
    EXPECT_FALSE(missile->alive);
}

TEST_F(MissileProjectileTest, LostTargetIsReplacedByAnInvaderStillInTheWave)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    MissileProjectile missile(100, 100, 5, 0, 0.0);
    missile.target = &testwave::at(wave, 0);
    Invader* survivor = &testwave::at(wave, 1);
    wave.invaders.pop_front();
    missile.update(0.0);
    EXPECT_TRUE(missile.alive);
    EXPECT_EQ(missile.target, survivor);
}

TEST_F(MissileProjectileTest, DeadTargetIsReplaced)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    MissileProjectile missile(100, 100, 5, 0, 0.0);
    missile.target = &testwave::at(wave, 0);
    testwave::at(wave, 0).health = 0;
    bool replaced = false;
    for (int i = 0; i < 20 && !replaced; ++i) {
        missile.update(0.0);
        replaced = missile.target == &testwave::at(wave, 1);
    }
    EXPECT_TRUE(replaced);
    EXPECT_TRUE(missile.alive);
}

TEST_F(MissileProjectileTest, SpentMissileDoesNothingMore)
{
    auto missile = chasing(300, 20);
    missile->alive = false;
    missile->update(1.0);
    EXPECT_EQ(missile->x, 100.0);
    EXPECT_TRUE(world->effects.empty());
}

TEST_F(MissileProjectileTest, DrawsItsSpriteCentredOnTheContactPoint)
{
    MissileProjectile missile(100, 50, 1, 0, 0.0); // the synthetic frames are 8 x 8
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    missile.draw(target);
    const int black = makecol(0, 0, 0);
    EXPECT_NE(getpixel(target, 96, 46), black);
    EXPECT_NE(getpixel(target, 103, 53), black);
    EXPECT_EQ(getpixel(target, 95, 46), black);
    EXPECT_EQ(getpixel(target, 104, 53), black);
    destroy_bitmap(target);
}

TEST_F(MissileProjectileTest, BrokenTuningKeepsTheMissileSafe)
{
    app().config.set("MissileSpeedBase", "1e308");
    app().config.set("MissileSteeringMax", "-1e308");
    auto missile = chasing(300, 20);
    missile->age = 0.5;
    BITMAP* target = create_bitmap(320, 240);
    for (int i = 0; i < 5; ++i) {
        missile->update(1.0);
        missile->draw(target);
    }
    destroy_bitmap(target);
    EXPECT_FALSE(missile->alive) << "its life still runs out";
    EXPECT_GE(missile->heading, 0.0);
    EXPECT_LT(missile->heading, 2 * Pi);
    for (const SimpleEffect* effect : effects()) {
        EXPECT_LE(std::fabs(effect->x), 1.0e6 + EffectFrameSize);
        EXPECT_LE(std::fabs(effect->y), 1.0e6 + EffectFrameSize);
    }
}

TEST_F(MissileProjectileTest, TurretMissilesFindTheirWayIntoTheWave)
{
    testwave::install(*world, 16);
    world->waveTimer = -1.0;
    auto turret = std::make_unique<MissileTurret>();
    turret->place(150);
    world->towers.push_back(std::move(turret));
    int damaged = 0;
    for (int frame = 0; frame < 400 && damaged == 0; ++frame) {
        world->update(0.02);
        ASSERT_NE(world->currentWave, nullptr);
        damaged = 0;
        for (const auto& invader : world->currentWave->invaders)
            damaged += invader->health < invader->maxHealth;
    }
    EXPECT_GT(damaged, 0);
}
