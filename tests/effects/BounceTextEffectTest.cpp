#include "effects/BounceTextEffect.h"

#include "assets/BitmapFont.h"
#include "support/PixelProbe.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr double Step = 0.01;

// A banner whose text image is 40 pixels wide: two glyphs advancing 19 pixels each, plus 2.
struct Banner {
    Banner() : font(testcontent::makeFont())
    {
        font->kerning = 19 - testcontent::GlyphWidth;
        effect = std::make_unique<BounceTextEffect>(160, 80, font.get(), "AB");
    }
    std::unique_ptr<BitmapFont> font;
    std::unique_ptr<BounceTextEffect> effect;
};

// Fills the text image so that the whole stretched rectangle shows when drawn.
pixelprobe::Box drawnBox(BounceTextEffect& effect)
{
    clear_to_color(effect.image.get(), makecol(255, 255, 255));
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    effect.draw(target);
    const pixelprobe::Box box = pixelprobe::paintedBox(target, makecol(0, 0, 0));
    destroy_bitmap(target);
    return box;
}

} // namespace

TEST(BounceTextEffect, CentresTheDoubledTextOnX)
{
    Banner banner;
    ASSERT_EQ(40, banner.effect->image->w);
    EXPECT_DOUBLE_EQ(120.0, banner.effect->x);
    EXPECT_DOUBLE_EQ(80.0, banner.effect->y);
    EXPECT_DOUBLE_EQ(80.0, banner.effect->restY);
    EXPECT_DOUBLE_EQ(3.0, banner.effect->lifetime);
}

TEST(BounceTextEffect, StillForFourteenStepsThenRisesTo79Point6)
{
    Banner banner;
    BounceTextEffect& effect = *banner.effect;
    for (int i = 0; i < 14; ++i) {
        effect.update(Step);
        EXPECT_DOUBLE_EQ(80.0, effect.y) << "step " << i + 1;
    }
    effect.update(Step);
    EXPECT_NEAR(79.6, effect.y, 1e-9);
}

TEST(BounceTextEffect, RisesLandsAtOnePoint04AndFreezesNear76Point8)
{
    Banner banner;
    BounceTextEffect& effect = *banner.effect;
    double highest = effect.y;
    double landing = -1.0;
    bool airborne = false;
    while (effect.elapsed < 1.4) {
        effect.update(Step);
        EXPECT_LE(effect.y, effect.restY);
        highest = std::min(highest, effect.y);
        airborne = airborne || effect.y < effect.restY;
        if (airborne && landing < 0.0 && effect.y == effect.restY)
            landing = effect.elapsed;
    }
    EXPECT_NEAR(70.91, highest, 0.01);
    EXPECT_NEAR(1.04, landing, Step / 2);

    effect.update(Step); // the first step past 1.4 s stops the text
    const double frozen = effect.y;
    EXPECT_NEAR(76.8, frozen, 0.05);
    while (effect.elapsed < 2.99) {
        effect.update(Step);
        EXPECT_DOUBLE_EQ(frozen, effect.y);
    }
}

TEST(BounceTextEffect, PopsInAtHalfHeightAroundTheMiddleLine)
{
    Banner banner;
    banner.effect->update(0.075);
    const pixelprobe::Box box = drawnBox(*banner.effect);
    EXPECT_EQ(120, box.left);
    EXPECT_EQ(80, box.width());
    EXPECT_EQ(85, box.top);
    EXPECT_EQ(10, box.height());
}

TEST(BounceTextEffect, FullSizeIsTwentyHighAtY)
{
    Banner banner;
    banner.effect->elapsed = 1.0;
    const pixelprobe::Box box = drawnBox(*banner.effect);
    EXPECT_EQ(120, box.left);
    EXPECT_EQ(80, box.width());
    EXPECT_EQ(80, box.top);
    EXPECT_EQ(20, box.height());
}

TEST(BounceTextEffect, ShrinksOutAndThenDrawsNothing)
{
    Banner banner;
    banner.effect->elapsed = 2.475;
    const pixelprobe::Box shrinking = drawnBox(*banner.effect);
    EXPECT_EQ(85, shrinking.top);
    EXPECT_EQ(10, shrinking.height());

    for (double elapsed : {2.56, 2.8, 2.999}) {
        banner.effect->elapsed = elapsed;
        EXPECT_TRUE(drawnBox(*banner.effect).empty) << elapsed;
    }
}
