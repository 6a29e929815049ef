#include "invaders/Squibble.h"

#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "effects/TextImage.h"
#include "support/PixelProbe.h"
#include "support/WorldFixture.h"

#include <allegro.h>

class SquibbleTest : public WorldFixture {};

TEST_F(SquibbleTest, HealthGrowsWithTheWaveNumberTruncatingTheIncrease)
{
    // Health 10, increase 2.5: 10, 10 + 2, 10 + 5.
    const int expected[] = {10, 12, 15};
    for (int wave = 1; wave <= 3; ++wave) {
        world->waveNumber = wave;
        Squibble squibble;
        EXPECT_EQ(expected[wave - 1], squibble.health) << "wave " << wave;
        EXPECT_EQ(expected[wave - 1], squibble.maxHealth) << "wave " << wave;
    }
}

TEST_F(SquibbleTest, TakesRadiusAndSheetFromItsType)
{
    Squibble squibble;
    EXPECT_DOUBLE_EQ(8.0, squibble.radius);
    ASSERT_TRUE(squibble.sprite);
    EXPECT_EQ(app().invaderTypes[0].spriteSheet, squibble.sprite->sheet);
    EXPECT_EQ(0, squibble.sprite->animation);
}

TEST_F(SquibbleTest, CentreUsesIntegerHalvesOfTheFrame)
{
    Squibble squibble;
    squibble.x = 10.5;
    squibble.y = -3.5;
    EXPECT_DOUBLE_EQ(10.5 + testcontent::InvaderFrameWidth / 2, squibble.centreX());
    EXPECT_DOUBLE_EQ(-3.5 + testcontent::InvaderFrameHeight / 2, squibble.centreY());
    // Effects truncate the corner first: -3.5 becomes -3, not -3.5 + 6 = 2.5 -> 2.
    EXPECT_EQ(10 + testcontent::InvaderFrameWidth / 2, squibble.effectX());
    EXPECT_EQ(-3 + testcontent::InvaderFrameHeight / 2, squibble.effectY());
}

TEST_F(SquibbleTest, FlashMatchesTheHurtLevel)
{
    Squibble squibble; // maxHealth 10, so the line is at 3
    squibble.takeDamage(6);
    EXPECT_EQ(4, squibble.health);
    EXPECT_EQ(1, squibble.sprite->animation);
    ASSERT_EQ(1u, squibble.sprite->queue.size());
    EXPECT_EQ(0, squibble.sprite->queue.front());

    squibble.takeDamage(1);
    EXPECT_EQ(3, squibble.health);
    EXPECT_EQ(3, squibble.sprite->animation);
    ASSERT_EQ(1u, squibble.sprite->queue.size());
    EXPECT_EQ(2, squibble.sprite->queue.front());
}

TEST_F(SquibbleTest, DeathPaysOnceWithPoofAndRewardText)
{
    Squibble squibble;
    squibble.x = 30.7;
    squibble.y = 40.2;
    const int moneyBefore = world->money;
    squibble.takeDamage(10); // exactly to 0
    EXPECT_EQ(0, squibble.health);
    EXPECT_EQ(moneyBefore + 5, world->money);
    ASSERT_EQ(2u, world->effects.size());

    // Both at the centre (30 + 8, 40 + 6): the poof's 10 x 10 frame centred there.
    auto* poof = dynamic_cast<SimpleEffect*>(world->effects.front().get());
    ASSERT_NE(nullptr, poof);
    EXPECT_EQ(app().poofSheet.get(), poof->sprite->sheet);
    EXPECT_DOUBLE_EQ(38.0 - testcontent::EffectFrameSize / 2, poof->x);
    EXPECT_DOUBLE_EQ(46.0 - testcontent::EffectFrameSize / 2, poof->y);
    auto* text = dynamic_cast<TextEffect*>(world->effects.back().get());
    ASSERT_NE(nullptr, text);
    EXPECT_DOUBLE_EQ(38.0, text->x);
    EXPECT_DOUBLE_EQ(46.0, text->y);
    BitmapPtr expected = makeTextImage(app().fontSmall.get(), "+5");
    EXPECT_TRUE(pixelprobe::samePixels(expected.get(), text->image.get()));

    squibble.takeDamage(3);
    EXPECT_EQ(0, squibble.health);
    EXPECT_EQ(moneyBefore + 5, world->money);
    EXPECT_EQ(2u, world->effects.size());
}

TEST_F(SquibbleTest, DebugOverlayShowsHealthAtTheCorner)
{
    Squibble squibble;
    squibble.x = 100.9;
    squibble.y = 50.2;
    BITMAP* plain = create_bitmap(320, 240);
    BITMAP* debug = create_bitmap(320, 240);
    clear_to_color(plain, makecol(0, 0, 0));
    clear_to_color(debug, makecol(0, 0, 0));

    squibble.draw(plain);
    const pixelprobe::Box sprite = pixelprobe::paintedBox(plain, makecol(0, 0, 0));
    EXPECT_EQ(100, sprite.left);
    EXPECT_EQ(50, sprite.top);
    EXPECT_EQ(testcontent::InvaderFrameWidth, sprite.width());

    world->showDebug = true;
    squibble.draw(debug);
    // "10" in the synthetic font: white strokes in columns 1-2 of each 4-pixel cell, rows 1-5.
    EXPECT_EQ(makecol(255, 255, 255), getpixel(debug, 101, 51));
    EXPECT_EQ(makecol(255, 255, 255), getpixel(debug, 106, 55));
    EXPECT_NE(getpixel(plain, 101, 51), getpixel(debug, 101, 51));
    destroy_bitmap(plain);
    destroy_bitmap(debug);
}
