#include "effects/TextEffect.h"

#include "assets/BitmapFont.h"
#include "support/PixelProbe.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>

TEST(TextEffect, AfterOneSecondIsDrawnAt116By34AndFinished)
{
    auto font = testcontent::makeFont();
    TextEffect effect(100, 50, font.get(), "+5");
    effect.update(1.0);
    EXPECT_DOUBLE_EQ(116.0, effect.x);
    EXPECT_DOUBLE_EQ(34.0, effect.y);
    EXPECT_TRUE(effect.finished());

    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    effect.draw(target);
    // Every non-mask pixel of the text image lands at its offset from (116, 34), nothing else.
    BITMAP* image = effect.image.get();
    int painted = 0;
    for (int y = 0; y < image->h; ++y) {
        for (int x = 0; x < image->w; ++x) {
            const int source = getpixel(image, x, y);
            if (source == makecol(255, 0, 255))
                continue;
            EXPECT_EQ(source, getpixel(target, 116 + x, 34 + y)) << x << "," << y;
            ++painted;
        }
    }
    EXPECT_GT(painted, 0);
    const pixelprobe::Box box = pixelprobe::paintedBox(target, makecol(0, 0, 0));
    EXPECT_GE(box.left, 116);
    EXPECT_GE(box.top, 34);
    EXPECT_LT(box.right, 116 + image->w);
    EXPECT_LT(box.bottom, 34 + image->h);
    destroy_bitmap(target);
}
