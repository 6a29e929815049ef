#include "app/ScreenLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

TEST(ScreenLayout, DefaultIsTwiceTheBackBufferFillingTheWindow)
{
    const ScreenLayout layout;
    EXPECT_EQ(layout.scale(), 2);
    EXPECT_EQ(layout.shownWidth(), 640);
    EXPECT_EQ(layout.shownHeight(), 480);
    EXPECT_EQ(layout.pictureX(639), 319);
    EXPECT_EQ(layout.pictureY(479), 239);
    EXPECT_EQ(layout.pictureX(1), 0);
    const ScreenLayout window = ScreenLayout::centred(640, 480, 320, 240);
    EXPECT_EQ(window.scale(), 2);
    EXPECT_EQ(window.left(), 0);
    EXPECT_EQ(window.top(), 0);
}

TEST(ScreenLayout, ScaledWindowsUseTheirWholeFactor)
{
    for (int scale = 1; scale <= 8; ++scale) {
        const ScreenLayout layout = ScreenLayout::centred(320 * scale, 240 * scale, 320, 240);
        EXPECT_EQ(layout.scale(), scale);
        EXPECT_EQ(layout.left(), 0);
        EXPECT_EQ(layout.pictureX(320 * scale - 1), 319);
        EXPECT_EQ(layout.pictureX(scale * 100 + scale - 1), 100);
        EXPECT_EQ(layout.pictureX(scale * 100), 100);
    }
}

TEST(ScreenLayout, FullScreenCentresTheLargestWholeFactorWithBorders)
{
    const ScreenLayout wide = ScreenLayout::centred(1920, 1080, 320, 240);
    EXPECT_EQ(wide.scale(), 4);
    EXPECT_EQ(wide.left(), 320);
    EXPECT_EQ(wide.top(), 60);
    EXPECT_EQ(wide.pictureX(320), 0);
    EXPECT_EQ(wide.pictureX(323), 0);
    EXPECT_EQ(wide.pictureX(324), 1);
    EXPECT_EQ(wide.pictureY(60 + 4 * 239), 239);
    // The black borders are not the picture; its first and last pixels are.
    const int points[][3] = {{320, 60, 1}, {1599, 1019, 1}, {319, 500, 0}, {1600, 500, 0}, {800, 59, 0}, {800, 1020, 0}};
    for (const auto& point : points)
        EXPECT_EQ(wide.shows(point[0], point[1]), point[2] == 1) << point[0] << ", " << point[1];
    const ScreenLayout odd = ScreenLayout::centred(1366, 768, 320, 240);
    EXPECT_EQ(odd.scale(), 3);
    EXPECT_EQ(odd.left(), (1366 - 960) / 2);
    EXPECT_EQ(odd.top(), (768 - 720) / 2);
}

TEST(ScreenLayout, LargestScaleOfAreasTooSmallOrEmpty)
{
    EXPECT_EQ(ScreenLayout::largestScale(1280, 1024, 320, 240), 4);
    EXPECT_EQ(ScreenLayout::largestScale(319, 1000, 320, 240), 0);
    EXPECT_EQ(ScreenLayout::largestScale(0, 0, 320, 240), 0);
    EXPECT_EQ(ScreenLayout::largestScale(640, 480, 0, 240), 0);
    for (const auto& [asked, width, height, opened] : {std::array{8, 800, 600, 2}, {3, 1366, 768, 3}, {4, 1366, 768, 3},
                                                        {2, 300, 200, 1}, {5, 0, 0, 5}})
        EXPECT_EQ(ScreenLayout::windowScale(asked, width, height, 320, 240), opened) << asked << " on " << width;
    // A screen smaller than the picture still shows it unenlarged, centred and clipped.
    const ScreenLayout small = ScreenLayout::centred(200, 100, 320, 240);
    EXPECT_EQ(small.scale(), 1);
    EXPECT_EQ(small.left(), -60);
    EXPECT_EQ(small.pictureX(0), 60);
}

// The screen pixel a program points at to reach a picture pixel reads back as that pixel, in a
// window and centred on a larger screen alike.
TEST(ScreenLayout, APicturePixelsScreenPixelReadsBackAsIt)
{
    for (const ScreenLayout& layout : {ScreenLayout(), ScreenLayout::centred(1920, 1080, 320, 240)}) {
        for (const auto& [x, y] : {std::pair(0, 0), std::pair(160, 219), std::pair(319, 239)}) {
            EXPECT_TRUE(layout.shows(layout.screenX(x), layout.screenY(y)));
            EXPECT_EQ(std::pair(layout.pictureX(layout.screenX(x)), layout.pictureY(layout.screenY(y))), std::pair(x, y));
        }
    }
}
