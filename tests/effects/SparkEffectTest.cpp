#include "effects/SparkEffect.h"

#include "support/PixelProbe.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int white() { return makecol(255, 255, 255); }
int glow() { return makecol(64, 128, 255); }
int mask() { return makecol(255, 0, 255); }

bool whiteAt(BITMAP* image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image->w && y < image->h && getpixel(image, x, y) == white();
}

bool touchesWhite(BITMAP* image, int x, int y)
{
    return whiteAt(image, x + 1, y) || whiteAt(image, x - 1, y) || whiteAt(image, x, y + 1) ||
           whiteAt(image, x, y - 1);
}

} // namespace

TEST(SparkEffect, BitmapSpansThePointsWithAFourPixelMargin)
{
    std::srand(7);
    SparkEffect spark(10, 20, 30, 5);
    ASSERT_TRUE(spark.image);
    EXPECT_EQ(28, spark.image->w);
    EXPECT_EQ(23, spark.image->h);
    EXPECT_DOUBLE_EQ(6.0, spark.x);
    EXPECT_DOUBLE_EQ(1.0, spark.y);
    EXPECT_DOUBLE_EQ(0.06, spark.lifetime);
}

TEST(SparkEffect, BoltEndsExactlyOnBothPoints)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::srand(seed);
        SparkEffect spark(10, 20, 30, 5);
        EXPECT_TRUE(whiteAt(spark.image.get(), 4, 19)) << seed;
        EXPECT_TRUE(whiteAt(spark.image.get(), 24, 4)) << seed;
    }
}

TEST(SparkEffect, GlowIsExactlyOnePixelAroundTheBolt)
{
    std::srand(3);
    SparkEffect spark(40, 100, 12, 30);
    BITMAP* image = spark.image.get();
    int whites = 0;
    for (int y = 0; y < image->h; ++y) {
        for (int x = 0; x < image->w; ++x) {
            const int colour = getpixel(image, x, y);
            if (colour == white())
                ++whites;
            else if (colour == glow())
                EXPECT_TRUE(touchesWhite(image, x, y)) << x << "," << y;
            else if (colour == mask())
                EXPECT_FALSE(touchesWhite(image, x, y)) << x << "," << y;
            else
                ADD_FAILURE() << "stray colour at " << x << "," << y;
        }
    }
    EXPECT_GT(whites, 28);
}

TEST(SparkEffect, EqualPointsGiveEightByEightBoltNearTheCentre)
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        std::srand(seed);
        SparkEffect spark(60, 70, 60, 70);
        BITMAP* image = spark.image.get();
        ASSERT_EQ(8, image->w);
        ASSERT_EQ(8, image->h);
        EXPECT_DOUBLE_EQ(56.0, spark.x);
        EXPECT_DOUBLE_EQ(66.0, spark.y);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (getpixel(image, x, y) == white()) {
                    EXPECT_TRUE(std::abs(x - 4) <= 3 && std::abs(y - 4) <= 3) << seed << ": " << x << "," << y;
                }
            }
        }
    }
}

TEST(SparkEffect, DrawsTheBoltAtItsPlace)
{
    std::srand(5);
    SparkEffect spark(10, 20, 30, 5);
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    spark.draw(target);
    EXPECT_EQ(white(), getpixel(target, 10, 20));
    EXPECT_EQ(white(), getpixel(target, 30, 5));
    const pixelprobe::Box box = pixelprobe::paintedBox(target, makecol(0, 0, 0));
    EXPECT_GE(box.left, 6);
    EXPECT_GE(box.top, 1);
    EXPECT_LE(box.right, 6 + 27);
    EXPECT_LE(box.bottom, 1 + 22);
    destroy_bitmap(target);
}

TEST(SparkEffect, WithoutABitmapDrawsNothing)
{
    std::srand(1);
    SparkEffect spark(0, 0, 1000000, 5);
    EXPECT_FALSE(spark.image);
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    spark.draw(target);
    spark.update(0.1);
    EXPECT_TRUE(spark.finished());
    EXPECT_TRUE(pixelprobe::paintedBox(target, makecol(0, 0, 0)).empty);
    destroy_bitmap(target);
}
