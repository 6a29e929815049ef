#include "app/DesktopIcon.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstddef>

namespace {

// The cardinal of the pixel (x, y) of the icon of this size, after the sizes before it.
unsigned long pixelOf(const std::vector<unsigned long>& values, int size, int x, int y)
{
    std::size_t at = 0;
    for (int earlier : DesktopIcon::Sizes) {
        if (earlier == size)
            break;
        at += 2 + static_cast<std::size_t>(earlier) * earlier;
    }
    EXPECT_EQ(values.at(at), static_cast<unsigned long>(size));
    EXPECT_EQ(values.at(at + 1), static_cast<unsigned long>(size));
    return values.at(at + 2 + static_cast<std::size_t>(y) * size + x);
}

} // namespace

TEST(DesktopIcon, EverySizeEnlargesTheDrawingWithItsMaskTransparent)
{
    // A 2 x 2 drawing: masked top left, red top right, green and blue below.
    BITMAP* drawing = create_bitmap_ex(32, 2, 2);
    putpixel(drawing, 0, 0, bitmap_mask_color(drawing));
    putpixel(drawing, 1, 0, makecol32(255, 0, 0));
    putpixel(drawing, 0, 1, makecol32(0, 255, 0));
    putpixel(drawing, 1, 1, makecol32(1, 2, 3));
    const std::vector<unsigned long> values = DesktopIcon::cardinals(drawing);
    destroy_bitmap(drawing);
    std::size_t expected = 0;
    for (int size : DesktopIcon::Sizes)
        expected += 2 + static_cast<std::size_t>(size) * size;
    ASSERT_EQ(values.size(), expected);
    for (int size : DesktopIcon::Sizes) {
        const int half = size / 2;
        EXPECT_EQ(pixelOf(values, size, half - 1, half - 1), 0ul) << size;
        EXPECT_EQ(pixelOf(values, size, half, 0), 0xffff0000ul) << size;
        EXPECT_EQ(pixelOf(values, size, half - 1, half), 0xff00ff00ul) << size;
        EXPECT_EQ(pixelOf(values, size, size - 1, size - 1), 0xff010203ul) << size;
    }
}

TEST(DesktopIcon, TheGamesDrawingLoadsAndNoDrawingGivesNoIcon)
{
    const std::vector<unsigned long> icon = DesktopIcon::load();
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(pixelOf(icon, 16, 0, 0), 0ul); // the round patch leaves the corners clear
    EXPECT_EQ(pixelOf(icon, 256, 128, 128) >> 24, 0xfful);
    EXPECT_TRUE(DesktopIcon::cardinals(nullptr).empty());
    EXPECT_TRUE(DesktopIcon::load("data/no-such-icon.mz").empty());
}
