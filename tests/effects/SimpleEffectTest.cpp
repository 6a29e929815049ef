#include "effects/SimpleEffect.h"

#include "assets/AnimatedSprite.h"
#include "support/PixelProbe.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {

// Five entries at 10 frames per second: a cycle of half a second.
std::unique_ptr<SpriteSheet> fiveFrameSheet(int w, int h)
{
    return testcontent::makeSheet(w, h, 5, {testcontent::animation(10, {0, 1, 2, 3, 4})});
}

struct Canvas {
    Canvas() : bitmap(create_bitmap(320, 240)) { clear_to_color(bitmap, makecol(0, 0, 0)); }
    ~Canvas() { destroy_bitmap(bitmap); }
    pixelprobe::Box painted() const { return pixelprobe::paintedBox(bitmap, makecol(0, 0, 0)); }
    BITMAP* bitmap;
};

} // namespace

TEST(SimpleEffect, LifetimeIsDelayPlusOneCycle)
{
    auto sheet = fiveFrameSheet(10, 10);
    SimpleEffect effect(50, 50, sheet.get(), 0.1);
    EXPECT_DOUBLE_EQ(0.6, effect.lifetime);
    effect.update(0.5);
    EXPECT_FALSE(effect.finished());
    effect.update(0.1);
    EXPECT_TRUE(effect.finished());
}

TEST(SimpleEffect, CentresFirstFrameOnThePoint)
{
    auto sheet = fiveFrameSheet(15, 10);
    SimpleEffect effect(100, 100, sheet.get(), 0.0);
    EXPECT_DOUBLE_EQ(93.0, effect.x);
    EXPECT_DOUBLE_EQ(95.0, effect.y);

    Canvas canvas;
    effect.draw(canvas.bitmap);
    const pixelprobe::Box box = canvas.painted();
    EXPECT_EQ(93, box.left);
    EXPECT_EQ(95, box.top);
    EXPECT_EQ(15, box.width());
    EXPECT_EQ(10, box.height());
}

TEST(SimpleEffect, NegativeCentreHalvesTruncateTowardZero)
{
    auto sheet = fiveFrameSheet(15, 9);
    SimpleEffect effect(-3, -1, sheet.get(), 0.0);
    EXPECT_DOUBLE_EQ(-10.0, effect.x);
    EXPECT_DOUBLE_EQ(-5.0, effect.y);
}

TEST(SimpleEffect, DrawsNothingAndHoldsTheSpriteDuringTheDelay)
{
    auto sheet = fiveFrameSheet(10, 10);
    SimpleEffect effect(50, 50, sheet.get(), 0.25);
    Canvas canvas;

    effect.update(0.125);
    effect.draw(canvas.bitmap);
    EXPECT_TRUE(canvas.painted().empty);
    EXPECT_FLOAT_EQ(0.0f, effect.sprite->time);

    // The update that brings elapsed to the delay still leaves the sprite alone...
    effect.update(0.125);
    EXPECT_FLOAT_EQ(0.0f, effect.sprite->time);
    effect.draw(canvas.bitmap);
    EXPECT_FALSE(canvas.painted().empty);

    // ...and the next one advances it.
    effect.update(0.125);
    EXPECT_FLOAT_EQ(0.125f, effect.sprite->time);
}

TEST(SimpleEffect, SheetWithoutAnimationIsFinishedAtOnceAndInvisible)
{
    SpriteSheet empty;
    for (const SpriteSheet* sheet : {static_cast<const SpriteSheet*>(&empty), static_cast<const SpriteSheet*>(nullptr)}) {
        SimpleEffect effect(100, 100, sheet, 0.5);
        EXPECT_TRUE(effect.finished());
        effect.update(0.1);
        Canvas canvas;
        effect.draw(canvas.bitmap);
        EXPECT_TRUE(canvas.painted().empty);
    }
}
