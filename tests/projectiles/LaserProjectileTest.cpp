#include "projectiles/LaserProjectile.h"

#include "support/TestWave.h"
#include "support/WorldFixture.h"

#include <allegro.h>

using LaserProjectileTest = WorldFixture;

TEST_F(LaserProjectileTest, FliesStraightUpAndIsSpentBelowMinusItsHeight)
{
    LaserProjectile bolt(108, 188, 3); // speed 200, image 2 x 4
    bolt.update(0.01);
    EXPECT_DOUBLE_EQ(bolt.y, 186.0);
    EXPECT_EQ(bolt.x, 108.0);
    bolt.y = -4.0;
    bolt.update(0.0);
    EXPECT_TRUE(bolt.alive) << "its bottom row is still at the top edge";
    bolt.update(0.0001);
    EXPECT_FALSE(bolt.alive);
}

TEST_F(LaserProjectileTest, WithoutImageItHasNoHeightAndDrawsNothing)
{
    BITMAP* image = app().laserImage;
    app().laserImage = nullptr;
    LaserProjectile bolt(100, 0, 1);
    app().laserImage = image;
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, 0);
    bolt.draw(target);
    EXPECT_EQ(getpixel(target, 99, 0), 0);
    destroy_bitmap(target);
    bolt.update(0.0);
    EXPECT_TRUE(bolt.alive);
    bolt.update(0.001);
    EXPECT_FALSE(bolt.alive);
}

TEST_F(LaserProjectileTest, BoltDamagesOnlyTheFirstOfTwoOverlappingInvaders)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    testwave::centreAt(testwave::at(wave, 0), 100, 100);
    testwave::centreAt(testwave::at(wave, 1), 100, 100);
    world->projectiles.push_back(std::make_unique<LaserProjectile>(100, 102, 3));
    world->update(0.0);
    EXPECT_EQ(testwave::at(wave, 0).health, 7);
    EXPECT_EQ(testwave::at(wave, 1).health, 10);
    EXPECT_TRUE(world->projectiles.empty()) << "the spent bolt is deleted in the same frame";
}

TEST_F(LaserProjectileTest, BoltPassesThroughADeadInvader)
{
    SquibbleWave& wave = testwave::install(*world, 2);
    testwave::centreAt(testwave::at(wave, 0), 100, 100);
    testwave::centreAt(testwave::at(wave, 1), 100, 100);
    testwave::at(wave, 0).health = 0;
    world->projectiles.push_back(std::make_unique<LaserProjectile>(100, 102, 3));
    world->update(0.0);
    ASSERT_EQ(wave.invaders.size(), 1u);
    EXPECT_EQ(testwave::at(wave, 0).health, 7);
}
