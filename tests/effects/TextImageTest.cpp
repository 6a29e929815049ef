#include "effects/TextImage.h"

#include "assets/BitmapFont.h"
#include "support/PixelProbe.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <limits>

TEST(TextImage, IsTextWidthPlusTwoByTenOnMagenta)
{
    auto font = testcontent::makeFont();
    BitmapPtr image = makeTextImage(font.get(), "AB");
    ASSERT_TRUE(image);
    EXPECT_EQ(2 * testcontent::GlyphWidth + 2, image->w);
    EXPECT_EQ(10, image->h);
    EXPECT_EQ(makecol(255, 0, 255), getpixel(image.get(), 0, 0));
    // The synthetic glyphs are white at columns 1-2, rows 1-5 of each cell.
    EXPECT_EQ(makecol(255, 255, 255), getpixel(image.get(), 1, 1));
    EXPECT_EQ(makecol(255, 255, 255), getpixel(image.get(), testcontent::GlyphWidth + 2, 5));
    EXPECT_EQ(makecol(255, 0, 255), getpixel(image.get(), 3, 3));
    // Below the glyphs and in the two padding columns only the mask colour remains.
    for (int x = 0; x < image->w; ++x)
        EXPECT_EQ(makecol(255, 0, 255), getpixel(image.get(), x, 9)) << x;
    for (int y = 0; y < image->h; ++y)
        EXPECT_EQ(makecol(255, 0, 255), getpixel(image.get(), image->w - 1, y)) << y;
}

TEST(TextImage, FontWithoutGlyphsGivesBlankTwoByTen)
{
    BitmapFont empty(static_cast<BITMAP*>(nullptr));
    BitmapPtr image = makeTextImage(&empty, "Wave 3");
    ASSERT_TRUE(image);
    EXPECT_EQ(2, image->w);
    EXPECT_EQ(10, image->h);
    EXPECT_EQ(20, pixelprobe::countColour(image.get(), makecol(255, 0, 255)));
}

TEST(TextImage, KerningsOutOfRangeGiveNoImageInsteadOfAnEmptyOrHugeBitmap)
{
    auto font = testcontent::makeFont();
    for (int kerning : {-5, -6, 100000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        font->kerning = kerning;
        EXPECT_FALSE(makeTextImage(font.get(), "+25")) << kerning;
    }
    font->kerning = 2000;
    BitmapPtr wide = makeTextImage(font.get(), "+2");
    ASSERT_TRUE(wide) << "a generous kerning within the limit still has its image";
    EXPECT_EQ(wide->w, 2 * (testcontent::GlyphWidth + 2000) + 2);
}
