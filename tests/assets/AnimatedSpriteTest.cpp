#include "assets/AnimatedSprite.h"

#include "assets/SpriteSheet.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr float Tolerance = 1e-5f;

// Frames 0..3 are 1, 2, 3 and 4 pixels square, so a sprite's width names its current frame.
// Animation 0: 10 fps [0 1 2 1] (cycle 0.4 s); 1: 5 fps [3] (0.2 s); 2: 4 fps [2 2] (0.5 s);
// 3: 10 fps [3 3 3 3] (0.4 s).
std::unique_ptr<SpriteSheet> makeTestSheet()
{
    BITMAP* image = create_bitmap(10, 4);
    clear_to_color(image, makecol(30, 60, 90));
    std::vector<FrameRect> rects{{0, 0, 1, 1}, {1, 0, 2, 2}, {3, 0, 3, 3}, {6, 0, 4, 4}};
    std::vector<Animation> animations{
        {10.0f, 4, {0, 1, 2, 1}}, {5.0f, 1, {3}}, {4.0f, 2, {2, 2}}, {10.0f, 4, {3, 3, 3, 3}}};
    return std::make_unique<SpriteSheet>(image, rects, animations);
}

class Sprite : public ::testing::Test {
protected:
    std::unique_ptr<SpriteSheet> sheet = makeTestSheet();
    AnimatedSprite sprite{sheet.get()};
};

} // namespace

TEST_F(Sprite, StartsOnAnimationZeroAtTimeZeroWithNothingQueued)
{
    EXPECT_EQ(sprite.sheet, sheet.get());
    EXPECT_EQ(sprite.animation, 0);
    EXPECT_EQ(sprite.time, 0.0f);
    EXPECT_TRUE(sprite.queue.empty());
    EXPECT_EQ(sprite.width(), 1);
    EXPECT_EQ(sprite.height(), 1);
}

TEST_F(Sprite, UpdateAccumulatesWithinACycle)
{
    sprite.update(0.1f);
    sprite.update(0.15f);
    EXPECT_NEAR(sprite.time, 0.25f, Tolerance);
    EXPECT_EQ(sprite.width(), 3) << "n = 2 shows frame 2";
}

TEST_F(Sprite, CycleEndSubtractsOneCycle)
{
    sprite.update(0.5f);
    EXPECT_EQ(sprite.animation, 0);
    EXPECT_NEAR(sprite.time, 0.1f, Tolerance);
}

TEST_F(Sprite, LongStepSubtractsOnlyOnceAndFrameWraps)
{
    sprite.update(1.0f);
    EXPECT_NEAR(sprite.time, 0.6f, Tolerance);
    EXPECT_EQ(sprite.width(), 3) << "n = 6 is entry 2, frame 2";
    sprite.update(0.0f);
    EXPECT_NEAR(sprite.time, 0.2f, Tolerance) << "the next call takes off the next cycle";
}

TEST_F(Sprite, QueuedAnimationTakesOverKeepingTheRemainder)
{
    sprite.queue.push_back(3);
    sprite.update(0.5f);
    EXPECT_EQ(sprite.animation, 3);
    EXPECT_NEAR(sprite.time, 0.1f, Tolerance);
    EXPECT_TRUE(sprite.queue.empty());
    sprite.update(0.35f);
    EXPECT_EQ(sprite.animation, 3) << "with the queue empty the new animation loops";
    EXPECT_NEAR(sprite.time, 0.05f, Tolerance);
}

TEST_F(Sprite, PlayThenPlaysOneCycleThenLoopsTheNext)
{
    sprite.update(0.2f);
    sprite.playThen(2, 0);
    EXPECT_EQ(sprite.animation, 2);
    EXPECT_EQ(sprite.time, 0.0f);
    EXPECT_EQ(sprite.queue, (std::deque<int>{0}));
    sprite.update(0.3f);
    EXPECT_EQ(sprite.animation, 2);
    sprite.update(0.3f);
    EXPECT_EQ(sprite.animation, 0);
    EXPECT_NEAR(sprite.time, 0.1f, Tolerance);
    sprite.update(0.4f);
    EXPECT_EQ(sprite.animation, 0);
    EXPECT_NEAR(sprite.time, 0.1f, Tolerance);
}

TEST_F(Sprite, SecondPlayThenRestartsAndReplacesTheQueue)
{
    sprite.playThen(2, 0);
    sprite.queue.push_back(3);
    sprite.update(0.3f);
    sprite.playThen(2, 1);
    EXPECT_EQ(sprite.animation, 2);
    EXPECT_EQ(sprite.time, 0.0f);
    EXPECT_EQ(sprite.queue, (std::deque<int>{1}));
    sprite.update(0.5f);
    EXPECT_EQ(sprite.animation, 1);
    EXPECT_TRUE(sprite.queue.empty());
}

TEST_F(Sprite, SetAnimationLeavesTheQueueInPlace)
{
    sprite.playThen(2, 3);
    sprite.update(0.1f);
    sprite.setAnimation(1);
    EXPECT_EQ(sprite.animation, 1);
    EXPECT_EQ(sprite.time, 0.0f);
    EXPECT_EQ(sprite.queue, (std::deque<int>{3}));
    EXPECT_EQ(sprite.width(), 4);
    sprite.update(0.1f);
    EXPECT_EQ(sprite.animation, 1);
    sprite.update(0.1f);
    EXPECT_EQ(sprite.animation, 3) << "takes over at the end of the new animation's first cycle";
    EXPECT_NEAR(sprite.time, 0.0f, Tolerance);
}

TEST_F(Sprite, DrawsTheCurrentFrameAtItsTopLeft)
{
    sprite.setAnimation(1);
    BITMAP* canvas = create_bitmap(10, 10);
    clear_to_color(canvas, makecol(0, 0, 0));
    sprite.draw(canvas, 5, 6);
    EXPECT_EQ(getpixel(canvas, 5, 6), makecol(30, 60, 90));
    EXPECT_EQ(getpixel(canvas, 8, 9), makecol(30, 60, 90));
    EXPECT_EQ(getpixel(canvas, 4, 6), makecol(0, 0, 0));
    EXPECT_EQ(getpixel(canvas, 5, 5), makecol(0, 0, 0));
    sprite.draw(nullptr, 0, 0);
    destroy_bitmap(canvas);
}

TEST_F(Sprite, MissingAnimationOnlyAdvancesTime)
{
    sprite.playThen(7, 0);
    sprite.update(5.0f);
    sprite.update(5.0f);
    EXPECT_EQ(sprite.animation, 7);
    EXPECT_NEAR(sprite.time, 10.0f, Tolerance);
    EXPECT_EQ(sprite.queue.size(), 1u);
    EXPECT_EQ(sprite.width(), 0);
    EXPECT_EQ(sprite.height(), 0);
    sprite.setAnimation(-1);
    sprite.update(1.0f);
    EXPECT_EQ(sprite.width(), 0);
}

TEST(AnimatedSprite, WithoutASheetOnlyTimeMovesAndNothingIsDrawn)
{
    SpriteSheet empty;
    const SpriteSheet* sheets[] = {nullptr, &empty};
    for (const SpriteSheet* sheet : sheets) {
        AnimatedSprite sprite(sheet);
        sprite.queue.push_back(1);
        sprite.update(3.0f);
        sprite.update(3.0f);
        EXPECT_NEAR(sprite.time, 6.0f, Tolerance);
        EXPECT_EQ(sprite.animation, 0);
        EXPECT_EQ(sprite.width(), 0);
        EXPECT_EQ(sprite.height(), 0);
        BITMAP* canvas = create_bitmap(4, 4);
        clear_to_color(canvas, makecol(5, 5, 5));
        sprite.draw(canvas, 0, 0);
        EXPECT_EQ(getpixel(canvas, 0, 0), makecol(5, 5, 5));
        destroy_bitmap(canvas);
    }
}
