#include "projectiles/LaserProjectile.h"

#include "support/TestWave.h"
#include "support/WorldFixture.h"

#include <allegro.h>

using testcontent::LaserImageHeight;

namespace {

class LaserProjectileTest : public WorldFixture {
protected:
    // Appends a bolt to the World and returns it; the World owns it from then on.
    LaserProjectile& fire(int x, int y, int damage)
    {
        world->projectiles.push_back(std::make_unique<LaserProjectile>(x, y, damage));
        return static_cast<LaserProjectile&>(*world->projectiles.back());
    }
};

} // namespace

TEST_F(LaserProjectileTest, FliesStraightUpAtTheConfiguredSpeed)
{
    LaserProjectile bolt(108, 188, 3);
    EXPECT_EQ(bolt.speed, 200.0);
    EXPECT_EQ(bolt.height(), LaserImageHeight);
    bolt.update(0.01);
    EXPECT_DOUBLE_EQ(bolt.y, 186.0);
    EXPECT_EQ(bolt.x, 108.0);
    EXPECT_TRUE(bolt.alive);
}

TEST_F(LaserProjectileTest, SpeedIsReadForEveryBolt)
{
    LaserProjectile first(0, 100, 1);
    app().config.set("LaserSpeedBase", "50");
    LaserProjectile second(0, 100, 1);
    EXPECT_EQ(first.speed, 200.0);
    EXPECT_EQ(second.speed, 50.0);
}

TEST_F(LaserProjectileTest, SpentOnceItsWholeImageIsAboveTheField)
{
    LaserProjectile bolt(50, 0, 1);
    bolt.update(0.02); // y = -4: the image's bottom row is still at the top edge
    EXPECT_DOUBLE_EQ(bolt.y, -4.0);
    EXPECT_TRUE(bolt.alive);
    bolt.update(0.0001);
    EXPECT_FALSE(bolt.alive);
}

TEST_F(LaserProjectileTest, WithoutSpeedItStaysWhereItWasFired)
{
    app().config.set("LaserSpeedBase", "");
    LaserProjectile bolt(50, 100, 1);
    bolt.update(10.0);
    EXPECT_EQ(bolt.y, 100.0);
    EXPECT_TRUE(bolt.alive);
}

TEST_F(LaserProjectileTest, DrawsItsImageCentredOnTheContactPoint)
{
    LaserProjectile bolt(100, 50, 1); // the synthetic image is 2 x 4
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    bolt.draw(target);
    const int black = makecol(0, 0, 0);
    EXPECT_NE(getpixel(target, 99, 50), black);
    EXPECT_NE(getpixel(target, 100, 53), black);
    EXPECT_EQ(getpixel(target, 98, 50), black);
    EXPECT_EQ(getpixel(target, 101, 50), black);
    EXPECT_EQ(getpixel(target, 99, 49), black);
    EXPECT_EQ(getpixel(target, 99, 54), black);
    destroy_bitmap(target);
}

TEST_F(LaserProjectileTest, WithoutImageItHasNoHeightAndDrawsNothing)
{
    BITMAP* image = app().laserImage;
    app().laserImage = nullptr;
    LaserProjectile bolt(100, 2, 1);
    app().laserImage = image;

    EXPECT_EQ(bolt.height(), 0);
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    bolt.draw(target);
    EXPECT_EQ(getpixel(target, 99, 2), makecol(0, 0, 0));
    destroy_bitmap(target);

    bolt.update(0.01); // y = 0: not yet above the field
    EXPECT_TRUE(bolt.alive);
    bolt.update(0.001);
    EXPECT_FALSE(bolt.alive);
}

TEST_F(LaserProjectileTest, HitDamagesTheInvaderAndSpendsTheBolt)
{
    Invader& invader = testwave::at(testwave::install(*world, 1), 0);
    LaserProjectile bolt(0, 0, 3);
    bolt.hit(&invader);
    EXPECT_EQ(invader.health, 7);
    EXPECT_FALSE(bolt.alive);
}

TEST_F(LaserProjectileTest, BoltDamagesOnlyTheFirstOfTwoOverlappingInvaders)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    testwave::centreAt(testwave::at(wave, 0), 100, 100);
    testwave::centreAt(testwave::at(wave, 1), 100, 100);
    fire(100, 102, 3);
    world->update(0.0);
    EXPECT_EQ(testwave::at(wave, 0).health, 7);
    EXPECT_EQ(testwave::at(wave, 1).health, 10);
    EXPECT_TRUE(world->projectiles.empty()) << "the spent bolt is deleted in the same frame";
}

TEST_F(LaserProjectileTest, BoltPassesThroughADeadInvader)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    Invader& dead = testwave::at(wave, 0);
    Invader& living = testwave::at(wave, 1);
    testwave::centreAt(dead, 100, 100);
    testwave::centreAt(living, 100, 100);
    dead.health = 0;
    fire(100, 102, 3);
    world->update(0.0);
    EXPECT_EQ(living.health, 7);
    EXPECT_EQ(wave.invaders.size(), 1u) << "the wave removed the dead one";
}

TEST_F(LaserProjectileTest, BoltFlyingPastTheWaveLeavesTheField)
{
    SquibbleWave& wave = testwave::install(*world, 1);
    testwave::centreAt(testwave::at(wave, 0), 200, 100);
    fire(100, 188, 3);
    for (int frame = 0; frame < 100 && !world->projectiles.empty(); ++frame)
        world->update(0.01);
    EXPECT_TRUE(world->projectiles.empty());
    EXPECT_EQ(testwave::at(wave, 0).health, 10);
}
