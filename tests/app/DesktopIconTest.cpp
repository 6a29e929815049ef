#include "app/DesktopIcon.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <array>

// The cardinal of pixel (x, y) of the icon of this size, which follows the sizes before it.
static unsigned long pixelOf(const std::vector<unsigned long>& values, int size, int x, int y)
{
    std::size_t at = 0;
    for (int earlier = 0; DesktopIcon::Sizes.at(earlier) != size; ++earlier)
        at += 2 + static_cast<std::size_t>(DesktopIcon::Sizes[earlier] * DesktopIcon::Sizes[earlier]);
    EXPECT_EQ(values.at(at) * 1000 + values.at(at + 1), size * 1001ul); // width and height
    return values.at(at + 2 + static_cast<std::size_t>(y * size + x));
}

TEST(DesktopIcon, EverySizeEnlargesTheDrawingWithItsMaskClear)
{
    BITMAP* drawing = create_bitmap_ex(32, 2, 2); // masked, red; green, a dark grey
    const std::array colours{bitmap_mask_color(drawing), makecol32(255, 0, 0), makecol32(0, 255, 0), makecol32(1, 2, 3)};
    for (int pixel : {0, 1, 2, 3})
        putpixel(drawing, pixel % 2, pixel / 2, colours[pixel]);
    const std::vector<unsigned long> values = DesktopIcon::cardinals(drawing);
    destroy_bitmap(drawing);
    ASSERT_EQ(values.size(), 6u * 2 + 16 * 16 + 32 * 32 + 48 * 48 + 64 * 64 + 128 * 128 + 256 * 256);
    for (int size : DesktopIcon::Sizes) {
        const int half = size / 2;
        EXPECT_EQ(pixelOf(values, size, half - 1, half - 1), 0ul) << size;
        EXPECT_EQ(pixelOf(values, size, half, 0), 0xffff0000ul) << size;
        EXPECT_EQ(pixelOf(values, size, half - 1, half), 0xff00ff00ul) << size;
        EXPECT_EQ(pixelOf(values, size, size - 1, size - 1), 0xff010203ul) << size;
    }
    const std::vector<unsigned long> game = DesktopIcon::load(); // the round patch leaves its corners clear
    EXPECT_EQ(pixelOf(game, 16, 0, 0), 0ul);
    EXPECT_EQ(pixelOf(game, 256, 128, 128) >> 24, 0xfful);
    EXPECT_TRUE(DesktopIcon::load("data/no-such-icon.mz").empty());
}
