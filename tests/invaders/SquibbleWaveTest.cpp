#include "invaders/SquibbleWave.h"

#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "effects/TextImage.h"
#include "invaders/Invader.h"
#include "support/PixelProbe.h"
#include "support/TestSound.h"
#include "support/WorldFixture.h"

#include <algorithm>
#include <vector>

class SquibbleWaveTest : public WorldFixture {
protected:
    struct Corner {
        double x, y;
    };

    static std::vector<Corner> corners(const SquibbleWave& wave)
    {
        std::vector<Corner> result;
        for (const auto& invader : wave.invaders)
            result.push_back({invader->x, invader->y});
        return result;
    }

    static int largestX(const SquibbleWave& wave)
    {
        int hi = 0;
        for (const auto& invader : wave.invaders)
            hi = std::max(hi, static_cast<int>(invader->x));
        return hi;
    }

    static int smallestX(const SquibbleWave& wave)
    {
        int lo = 320;
        for (const auto& invader : wave.invaders)
            lo = std::min(lo, static_cast<int>(invader->x));
        return lo;
    }

    // A row of n starting at x = 150 - 10 n, 20 pixels apart, at height y.
    static void expectRow(const std::vector<Corner>& all, int first, int n, double y)
    {
        for (int c = 0; c < n; ++c) {
            EXPECT_DOUBLE_EQ(150.0 - 10 * n + 20 * c, all[first + c].x) << "invader " << first + c;
            EXPECT_DOUBLE_EQ(y, all[first + c].y) << "invader " << first + c;
        }
    }
};

TEST_F(SquibbleWaveTest, SixteenMakeAFullRowAndACentredRowOfFour)
{
    SquibbleWave wave(16);
    ASSERT_EQ(16u, wave.invaders.size());
    const auto all = corners(wave);
    expectRow(all, 0, 12, -36.0);
    expectRow(all, 12, 4, -20.0);
    EXPECT_DOUBLE_EQ(30.0, all[0].x);
    EXPECT_DOUBLE_EQ(250.0, all[11].x);
    EXPECT_DOUBLE_EQ(110.0, all[12].x);
    EXPECT_DOUBLE_EQ(170.0, all[15].x);
    for (const auto& invader : wave.invaders)
        EXPECT_EQ(&wave, invader->wave);
}

TEST_F(SquibbleWaveTest, TwentyLeaveARowOfEightFromSeventy)
{
    SquibbleWave wave(20);
    const auto all = corners(wave);
    ASSERT_EQ(20u, all.size());
    expectRow(all, 0, 12, -36.0);
    expectRow(all, 12, 8, -20.0);
    EXPECT_DOUBLE_EQ(70.0, all[12].x);
}

TEST_F(SquibbleWaveTest, TwentyFourAndTwentyFiveStackRowsUpwards)
{
    SquibbleWave two(24);
    const auto full = corners(two);
    ASSERT_EQ(24u, full.size());
    expectRow(full, 0, 12, -36.0);
    expectRow(full, 12, 12, -20.0);

    SquibbleWave three(25);
    const auto all = corners(three);
    ASSERT_EQ(25u, all.size());
    expectRow(all, 0, 12, -52.0);
    expectRow(all, 12, 12, -36.0);
    expectRow(all, 24, 1, -20.0);
    EXPECT_DOUBLE_EQ(140.0, all[24].x);
}

TEST_F(SquibbleWaveTest, SpeedGrowsPerWaveUpToTheMaximum)
{
    const double expected[] = {10, 12, 14, 15, 15};
    for (int wave = 1; wave <= 5; ++wave) {
        world->waveNumber = wave;
        SquibbleWave squibbles(1);
        EXPECT_DOUBLE_EQ(expected[wave - 1], squibbles.speed) << "wave " << wave;
    }
}

TEST_F(SquibbleWaveTest, StartsDownwardsThenMarchesRightDownLeftDown)
{
    SquibbleWave wave(16);
    EXPECT_EQ(3, wave.moveState);
    const double dt = 0.1; // one pixel per update at speed 10
    std::vector<int> states{wave.moveState};
    int lastHi = largestX(wave);
    int lastLo = smallestX(wave);
    for (int i = 0; i < 2000 && states.size() < 5; ++i) {
        wave.update(dt);
        if (wave.moveState == states.back()) {
            lastHi = largestX(wave);
            lastLo = smallestX(wave);
            continue;
        }
        const int from = states.back();
        const int to = wave.moveState;
        states.push_back(to);
        if (from == 0) {
            EXPECT_GT(largestX(wave), 295);
            EXPECT_LE(lastHi, 295);
        } else if (from == 2) {
            EXPECT_LE(smallestX(wave), 8);
            EXPECT_GT(lastLo, 8);
        } else {
            // A downward step ends once it has covered 16 pixels, and counting starts again.
            EXPECT_DOUBLE_EQ(0.0, wave.descent);
        }
        lastHi = largestX(wave);
        lastLo = smallestX(wave);
    }
    EXPECT_EQ((std::vector<int>{3, 0, 1, 2, 3}), states);
}

TEST_F(SquibbleWaveTest, DownwardStepIsSixteenPixels)
{
    SquibbleWave wave(16);
    const double top = wave.invaders.front()->y;
    const double left = wave.invaders.front()->x;
    while (wave.moveState == 3)
        wave.update(0.1);
    EXPECT_NEAR(top + 16.0, wave.invaders.front()->y, 1e-9);
    EXPECT_DOUBLE_EQ(left, wave.invaders.front()->x);
}

TEST_F(SquibbleWaveTest, RightTurnUsesLeftEdgesOnly)
{
    SquibbleWave wave(1);
    Invader& invader = *wave.invaders.front();
    wave.moveState = 0;
    invader.y = 50.0;
    invader.x = 295.5;
    wave.update(0.0);
    EXPECT_EQ(0, wave.moveState); // 295 truncated is not beyond the line
    invader.x = 296.0;
    wave.update(0.0);
    EXPECT_EQ(1, wave.moveState);
}

TEST_F(SquibbleWaveTest, LeftTurnAtEightOrLess)
{
    SquibbleWave wave(1);
    Invader& invader = *wave.invaders.front();
    wave.moveState = 2;
    invader.y = 50.0;
    invader.x = 9.0;
    wave.update(0.0);
    EXPECT_EQ(2, wave.moveState);
    invader.x = 8.9;
    wave.update(0.0);
    EXPECT_EQ(3, wave.moveState);
}

TEST_F(SquibbleWaveTest, EscapeCostsOneHealthWithPoofAndMinusOne)
{
    // A distinct red font, so the text shows which font it was drawn in.
    app().fontSmallRed = testcontent::makeFont();
    app().fontSmallRed->kerning = 3;
    SquibbleWave wave(2);
    Invader& escaping = *wave.invaders.front();
    escaping.x = 100.0;
    escaping.y = 189.5;
    const int healthBefore = world->health;
    const int moneyBefore = world->money;

    wave.update(0.1); // moving down one pixel: 190.5

    EXPECT_EQ(healthBefore - 1, world->health);
    EXPECT_EQ(moneyBefore, world->money);
    ASSERT_EQ(1u, wave.invaders.size());
    EXPECT_LT(wave.invaders.front()->y, 190.0);
    ASSERT_EQ(2u, world->effects.size());
    auto* poof = dynamic_cast<SimpleEffect*>(world->effects.front().get());
    ASSERT_NE(nullptr, poof);
    EXPECT_DOUBLE_EQ(100 + 8 - testcontent::EffectFrameSize / 2, poof->x);
    EXPECT_DOUBLE_EQ(190 + 6 - testcontent::EffectFrameSize / 2, poof->y);
    auto* text = dynamic_cast<TextEffect*>(world->effects.back().get());
    ASSERT_NE(nullptr, text);
    EXPECT_DOUBLE_EQ(108.0, text->x);
    EXPECT_DOUBLE_EQ(196.0, text->y);
    BitmapPtr expected = makeTextImage(app().fontSmallRed.get(), "-1");
    EXPECT_TRUE(pixelprobe::samePixels(expected.get(), text->image.get()));
}

TEST_F(SquibbleWaveTest, DestroyedInvaderIsDeletedByTheNextUpdateWithoutEscaping)
{
    SquibbleWave wave(3);
    Invader* doomed = wave.invaders.front().get();
    doomed->takeDamage(100);
    EXPECT_TRUE(wave.contains(doomed));
    doomed->y = 195.0;
    const int healthBefore = world->health;
    wave.update(0.1);
    EXPECT_FALSE(wave.contains(doomed));
    EXPECT_EQ(2u, wave.invaders.size());
    EXPECT_EQ(healthBefore, world->health);
}

TEST_F(SquibbleWaveTest, GameOverFreezesTheBlockButKeepsAnimating)
{
    SquibbleWave wave(16);
    Invader& first = *wave.invaders.front();
    Invader& last = *wave.invaders.back();
    last.y = 195.0;
    first.takeDamage(100);
    world->gameOver = true;
    const int healthBefore = world->health;
    const auto before = corners(wave);

    wave.update(0.125);

    const auto after = corners(wave);
    ASSERT_EQ(before.size(), after.size()); // neither the dead nor the one past the line go
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_DOUBLE_EQ(before[i].x, after[i].x);
        EXPECT_DOUBLE_EQ(before[i].y, after[i].y);
    }
    EXPECT_EQ(healthBefore, world->health);
    EXPECT_DOUBLE_EQ(0.0, wave.descent);
    EXPECT_FLOAT_EQ(0.125f, last.sprite->time);
}

TEST_F(SquibbleWaveTest, WithoutSpeedTheBlockStandsStill)
{
    app().config.set("Wave1SpeedBase", "");
    app().config.set("Wave1SpeedIncrease", "");
    app().config.set("Wave1SpeedMax", "");
    SquibbleWave wave(16);
    EXPECT_DOUBLE_EQ(0.0, wave.speed);
    const auto before = corners(wave);
    for (int i = 0; i < 50; ++i)
        wave.update(0.5);
    const auto after = corners(wave);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_DOUBLE_EQ(before[i].y, after[i].y);
    EXPECT_EQ(3, wave.moveState);
}

TEST_F(SquibbleWaveTest, WarningOnceAWaveWhenTheLowestRowIsTwoStepsFromTheGround)
{
    testsound::RecordingSoundOutput& sounds = testsound::install();
    SquibbleWave wave(2);
    wave.moveState = MovingRight; // sideways: the rows keep their heights
    Invader& lowest = *wave.invaders.front();
    lowest.y = 157.0; // 33 above the escape line: more than two steps
    wave.update(0.0);
    EXPECT_FALSE(wave.nearGround());
    lowest.y = 158.0;
    for (int frame = 0; frame < 3; ++frame)
        wave.update(0.0);
    EXPECT_TRUE(wave.nearGround());
    EXPECT_EQ(sounds.of(SoundEvent::GroundWarning).size(), 1u);
    lowest.health = 0; // a destroyed invader warns of nothing
    wave.update(0.0);
    EXPECT_FALSE(wave.nearGround());

    testsound::now() += 1.0; // past the gap the voice cap keeps between two starts
    SquibbleWave next(2);
    next.moveState = MovingRight;
    next.invaders.back()->y = 180.0;
    next.update(0.0);
    EXPECT_EQ(sounds.of(SoundEvent::GroundWarning).size(), 2u) << "each wave warns once";
}

// The march time the threat is worked out from matches the block's real march, frame by frame,
// for a short block, a full row and several rows.
TEST_F(SquibbleWaveTest, MarchSecondsAreTheTimeTheUntouchedBlockTakesToLand)
{
    for (const int count : {4, 12, 30}) {
        SquibbleWave wave(count);
        const double expected = SquibbleWave::marchSeconds(count, wave.speed);
        EXPECT_NEAR(wave.secondsToGround(), expected, 1e-9) << count;
        double seconds = 0.0;
        for (const std::size_t before = wave.invaders.size(); wave.invaders.size() == before && seconds < 1000.0;)
            wave.update(0.01), seconds += 0.01;
        EXPECT_NEAR(seconds, expected, 0.3) << count; // each turn may overshoot by a frame
    }
    EXPECT_EQ(SquibbleWave::marchSeconds(16, 0.0), 0.0);
}

// The warning sounds two steps above the ground, once for each row: not again for the same row,
// again for the next row down to come that close.
TEST_F(SquibbleWaveTest, WarningOnceForEachRowThatComesTwoStepsFromTheGround)
{
    testsound::RecordingSoundOutput& sounds = testsound::install();
    SquibbleWave wave(24);
    wave.moveState = MovingRight;
    for (auto& invader : wave.invaders)
        invader->y += 158.0 + 20.0; // the lower row's top two steps up
    wave.moveState = MovingDownBeforeLeft;
    for (int frame = 0; frame < 3; ++frame)
        wave.update(1.0 / wave.speed); // a pixel down each frame
    EXPECT_EQ(sounds.of(SoundEvent::GroundWarning).size(), 1u);
    testsound::now() += 1.0; // past the gap the voice cap keeps between two starts
    for (auto it = std::next(wave.invaders.begin(), 12); it != wave.invaders.end(); ++it)
        (*it)->health = 0; // the lower row is shot down: the upper row, 16 higher, is the lowest now
    double warnedAt = 0.0;
    for (int frame = 0; frame < 5000 && !wave.invaders.empty(); ++frame) { // until it lands
        wave.update(1.0 / wave.speed);
        if (warnedAt == 0.0 && sounds.of(SoundEvent::GroundWarning).size() == 2u)
            warnedAt = wave.lowestRow();
    }
    EXPECT_EQ(sounds.of(SoundEvent::GroundWarning).size(), 2u) << "another row warns once";
    EXPECT_NEAR(warnedAt, SquibbleWave::WarningLine, 1.0) << "as it comes two steps from the ground";
}
