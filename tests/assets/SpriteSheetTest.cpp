#include "assets/SpriteSheet.h"

#include "support/AssetFiles.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using assetfiles::ByteBuilder;
using assetfiles::Bytes;
using assetfiles::ScratchDir;
using assetfiles::writeFile;

namespace {

constexpr int SheetWidth = 8;
constexpr int SheetHeight = 4;

struct SheetRecipe {
    int width = SheetWidth;
    int height = SheetHeight;
    std::vector<FrameRect> rects{{0, 0, 2, 2}, {2, 0, 3, 2}, {5, 0, 3, 4}, {0, 2, 2, 2}};
    std::vector<Animation> animations{{10.0f, 4, {0, 1, 2, 1}}, {5.0f, 1, {3}}, {2.5f, 3, {2, 0, 1}}};
};

Bytes sheetBytes(const SheetRecipe& recipe)
{
    ByteBuilder bytes;
    bytes.append(assetfiles::gradientImage(recipe.width, recipe.height));
    bytes.u16(static_cast<unsigned>(recipe.rects.size()));
    for (const FrameRect& rect : recipe.rects)
        bytes.u16(rect.x).u16(rect.y).u16(rect.w).u16(rect.h);
    bytes.u16(static_cast<unsigned>(recipe.animations.size()));
    for (const Animation& animation : recipe.animations) {
        bytes.f32(animation.framesPerSecond).u16(animation.frameCount);
        for (int index : animation.frameIndices)
            bytes.u16(static_cast<unsigned>(index));
    }
    return bytes.bytes;
}

class SheetFiles : public ::testing::Test {
protected:
    std::unique_ptr<SpriteSheet> load(const Bytes& bytes, bool compressed = true)
    {
        const std::string path = dir.path("sheet.sz");
        writeFile(path, bytes, compressed);
        return std::make_unique<SpriteSheet>(path);
    }

    void expectEmpty(const SheetRecipe& recipe, const char* what)
    {
        auto sheet = load(sheetBytes(recipe));
        EXPECT_TRUE(sheet->empty()) << what;
        EXPECT_EQ(sheet->animationCount, 0u) << what;
        EXPECT_TRUE(sheet->frames.empty()) << what;
        EXPECT_EQ(sheet->getFrame(0, 0.0f), nullptr) << what;
    }

    ScratchDir dir;
};

BITMAP* gradientBitmap(int width, int height)
{
    BITMAP* image = create_bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            putpixel(image, x, y, makecol(x * 40 % 256, y * 40 % 256, 7));
    return image;
}

} // namespace

TEST_F(SheetFiles, LoadsImageFramesAndAnimationsInFileOrder)
{
    auto sheet = load(sheetBytes(SheetRecipe{}));
    ASSERT_FALSE(sheet->empty());
    EXPECT_EQ(sheet->image->w, SheetWidth);
    EXPECT_EQ(sheet->image->h, SheetHeight);
    ASSERT_EQ(sheet->frames.size(), 4u);
    BITMAP* frame2 = sheet->frames[2];
    EXPECT_TRUE(is_sub_bitmap(frame2));
    EXPECT_EQ(frame2->w, 3);
    EXPECT_EQ(frame2->h, 4);
    EXPECT_EQ(getpixel(frame2, 0, 1), getpixel(sheet->image, 5, 1)) << "frames share the sheet's pixels";
    EXPECT_EQ(getpixel(sheet->frames[3], 1, 0), makecol(40, 80, 7));

    ASSERT_EQ(sheet->animationCount, 3u);
    EXPECT_FLOAT_EQ(sheet->animations[0].framesPerSecond, 10.0f);
    EXPECT_EQ(sheet->animations[0].frameIndices, (std::vector<int>{0, 1, 2, 1}));
    EXPECT_EQ(sheet->animations[1].frameCount, 1u);
    EXPECT_FLOAT_EQ(sheet->animations[2].framesPerSecond, 2.5f);
    EXPECT_EQ(sheet->animations[2].frameIndices, (std::vector<int>{2, 0, 1}));
}

TEST_F(SheetFiles, FrameTableStartsRightAfterThePixelsAndRateIsRawFloatBytes)
{
    // A 1 x 1 image is 7 bytes; the frame count follows at byte 7. The three-entry animation
    // takes 12 bytes, so the second animation's rate starts right after it.
    ByteBuilder bytes;
    bytes.raw({0x01, 0x00, 0x01, 0x00, 0x10, 0x20, 0x30});
    bytes.u16(1).u16(0).u16(0).u16(1).u16(1);
    bytes.u16(2);
    bytes.raw({0x00, 0x00, 0x20, 0x41}).u16(3).u16(0).u16(0).u16(0);
    bytes.raw({0x00, 0x00, 0x80, 0x3F}).u16(1).u16(0);
    ASSERT_EQ(bytes.bytes.size(), 7u + 10u + 2u + 12u + 8u);
    auto sheet = load(bytes.bytes, false);
    ASSERT_FALSE(sheet->empty());
    EXPECT_EQ(getpixel(sheet->frames[0], 0, 0), makecol(0x10, 0x20, 0x30));
    ASSERT_EQ(sheet->animationCount, 2u);
    EXPECT_EQ(sheet->animations[0].framesPerSecond, 10.0f);
    EXPECT_EQ(sheet->animations[0].frameCount, 3u);
    EXPECT_EQ(sheet->animations[1].framesPerSecond, 1.0f);
}

TEST_F(SheetFiles, BytesAfterTheLastAnimationAreIgnored)
{
    Bytes bytes = sheetBytes(SheetRecipe{});
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    auto sheet = load(bytes);
    EXPECT_FALSE(sheet->empty());
    EXPECT_EQ(sheet->animationCount, 3u);
}

TEST_F(SheetFiles, PlainAndCompressedLoadAlike)
{
    auto plain = load(sheetBytes(SheetRecipe{}), false);
    auto compressed = load(sheetBytes(SheetRecipe{}), true);
    ASSERT_FALSE(plain->empty());
    ASSERT_FALSE(compressed->empty());
    EXPECT_EQ(plain->frames.size(), compressed->frames.size());
    EXPECT_EQ(plain->animations[2].frameIndices, compressed->animations[2].frameIndices);
}

TEST(SpriteSheet, MissingFileGivesAnEmptySheetThatDrawsNothing)
{
    ScratchDir dir;
    SpriteSheet sheet(dir.path("absent.sz"));
    EXPECT_TRUE(sheet.empty());
    EXPECT_EQ(sheet.getFrame(0, 0.0f), nullptr);
    BITMAP* canvas = create_bitmap(4, 4);
    clear_to_color(canvas, makecol(1, 2, 3));
    sheet.draw(canvas, 0, 0, 0, 0.0f);
    EXPECT_EQ(getpixel(canvas, 0, 0), makecol(1, 2, 3));
    destroy_bitmap(canvas);
}

TEST_F(SheetFiles, EveryTruncationGivesAnEmptySheet)
{
    const Bytes whole = sheetBytes(SheetRecipe{});
    for (std::size_t length = 0; length < whole.size(); ++length) {
        auto sheet = load(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)));
        EXPECT_TRUE(sheet->empty()) << "cut at " << length << " of " << whole.size();
    }
}

TEST_F(SheetFiles, BrokenImageGivesAnEmptySheet)
{
    SheetRecipe recipe;
    recipe.width = 0;
    recipe.rects.clear();
    recipe.animations.clear();
    expectEmpty(recipe, "zero width");
}

TEST_F(SheetFiles, TooManyFramesOrAnimationsGiveAnEmptySheet)
{
    SheetRecipe frames;
    frames.rects.assign(MaxSheetFrames + 1, FrameRect{0, 0, 1, 1});
    expectEmpty(frames, "too many frames");

    SheetRecipe animations;
    animations.animations.assign(MaxSheetAnimations + 1, Animation{1.0f, 1, {0}});
    expectEmpty(animations, "too many animations");

    SheetRecipe limits;
    limits.rects.assign(MaxSheetFrames, FrameRect{0, 0, 1, 1});
    limits.animations.assign(MaxSheetAnimations, Animation{1.0f, 1, {MaxSheetFrames - 1}});
    auto sheet = load(sheetBytes(limits));
    EXPECT_FALSE(sheet->empty()) << "the limits themselves are allowed";
    EXPECT_EQ(sheet->animationCount, static_cast<std::uint32_t>(MaxSheetAnimations));
}

TEST_F(SheetFiles, FrameRectangleOutsideTheImageGivesAnEmptySheet)
{
    const FrameRect outside[] = {{7, 0, 2, 1}, {0, 3, 1, 2}, {8, 0, 1, 1}, {0, 0, 0, 1}, {0, 0, 1, 0},
                                 {65535, 65535, 65535, 65535}};
    for (const FrameRect& rect : outside) {
        SheetRecipe recipe;
        recipe.rects.push_back(rect);
        expectEmpty(recipe, "rectangle outside");
    }
    SheetRecipe edge;
    edge.rects.push_back({0, 0, SheetWidth, SheetHeight});
    EXPECT_FALSE(load(sheetBytes(edge))->empty()) << "the whole image is a valid frame";
}

TEST_F(SheetFiles, UnplayableAnimationsGiveAnEmptySheet)
{
    SheetRecipe noEntries;
    noEntries.animations.push_back({1.0f, 0, {}});
    expectEmpty(noEntries, "no entries");

    SheetRecipe beyond;
    beyond.animations.push_back({1.0f, 2, {0, 4}});
    expectEmpty(beyond, "frame beyond the table");

    const float badRates[] = {0.0f, -0.0f, -3.0f, std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::infinity()};
    for (float rate : badRates) {
        SheetRecipe recipe;
        recipe.animations.push_back({rate, 1, {0}});
        expectEmpty(recipe, "bad rate");
    }
}

TEST(SpriteSheet, BitmapConstructorValidatesLikeTheLoader)
{
    SpriteSheet good(gradientBitmap(4, 4), {{0, 0, 2, 2}, {2, 2, 2, 2}}, {{4.0f, 2, {1, 0}}});
    ASSERT_FALSE(good.empty());
    EXPECT_EQ(good.frames.size(), 2u);
    EXPECT_EQ(good.animationCount, 1u);

    // Each rejected image must be freed by the sheet; the leak checker watches this.
    SpriteSheet outside(gradientBitmap(4, 4), {{3, 3, 2, 2}}, {});
    SpriteSheet beyond(gradientBitmap(4, 4), {{0, 0, 1, 1}}, {{4.0f, 1, {1}}});
    SpriteSheet miscounted(gradientBitmap(4, 4), {{0, 0, 1, 1}}, {{4.0f, 2, {0}}});
    SpriteSheet negative(gradientBitmap(4, 4), {{0, 0, 1, 1}}, {{4.0f, 1, {-1}}});
    SpriteSheet noImage(nullptr, {{0, 0, 1, 1}}, {{4.0f, 1, {0}}});
    for (const SpriteSheet* sheet : {&outside, &beyond, &miscounted, &negative, &noImage}) {
        EXPECT_TRUE(sheet->empty());
        EXPECT_EQ(sheet->getFrame(0, 0.0f), nullptr);
    }
}

TEST(SpriteSheet, FrameSelectionFollowsTimeTimesRate)
{
    SpriteSheet sheet(gradientBitmap(8, 4), SheetRecipe{}.rects, SheetRecipe{}.animations);
    ASSERT_FALSE(sheet.empty());
    EXPECT_EQ(sheet.getFrame(0, 0.0f), sheet.frames[0]);
    EXPECT_EQ(sheet.getFrame(0, 0.25f), sheet.frames[2]) << "n = 2";
    EXPECT_EQ(sheet.getFrame(0, 0.45f), sheet.frames[0]) << "n = 4 wraps to entry 0";
    EXPECT_EQ(sheet.getFrame(0, 0.39f), sheet.frames[1]) << "n = 3, entry 3 is frame 1";
    EXPECT_EQ(sheet.getFrame(2, 1.3f), sheet.frames[2]) << "n = 3 wraps to entry 0 of three";
}

TEST(SpriteSheet, SingleEntryAnimationShowsItsFrameAtEveryTime)
{
    SpriteSheet sheet(gradientBitmap(8, 4), SheetRecipe{}.rects, SheetRecipe{}.animations);
    for (float time : {0.0f, 0.3f, 17.0f, -2.0f, 1e30f})
        EXPECT_EQ(sheet.getFrame(1, time), sheet.frames[3]) << time;
}

TEST(SpriteSheet, NegativeAndHugeTimesWrapThroughTheUnsignedModulo)
{
    SpriteSheet sheet(gradientBitmap(8, 4), SheetRecipe{}.rects, SheetRecipe{}.animations);
    // n = -1 is 4294967295 unsigned, which is 3 mod 4: entry 3 is frame 1.
    EXPECT_EQ(sheet.getFrame(0, -0.1f), sheet.frames[1]);
    // n = -3 is 4294967293, 1 mod 3 with three entries: frame 0.
    EXPECT_EQ(sheet.getFrame(2, -1.2f), sheet.frames[0]);
    // Beyond any int: taken as the lowest int, 2147483648 unsigned, 0 mod 4.
    EXPECT_EQ(sheet.getFrame(0, 1e30f), sheet.frames[0]);
    EXPECT_EQ(sheet.getFrame(0, std::numeric_limits<float>::quiet_NaN()), sheet.frames[0]);
}

TEST(SpriteSheet, AnimationNumbersAreCheckedAgainstTheCount)
{
    SpriteSheet sheet(gradientBitmap(8, 4), SheetRecipe{}.rects, SheetRecipe{}.animations);
    EXPECT_EQ(sheet.getFrame(3, 0.0f), nullptr) << "equal to animationCount";
    EXPECT_EQ(sheet.getFrame(static_cast<unsigned>(-1), 0.0f), nullptr);
    EXPECT_EQ(sheet.animationAt(3), nullptr);
    EXPECT_EQ(sheet.animationAt(2), &sheet.animations[2]);

    BITMAP* canvas = create_bitmap(8, 8);
    clear_to_color(canvas, makecol(9, 9, 9));
    sheet.draw(canvas, 0, 0, 3, 0.0f);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(getpixel(canvas, x, y), makecol(9, 9, 9));
    destroy_bitmap(canvas);
}

TEST(SpriteSheet, DrawPutsTheFrameMaskedAtItsTopLeft)
{
    BITMAP* image = create_bitmap(2, 1);
    putpixel(image, 0, 0, makecol(255, 0, 255));
    putpixel(image, 1, 0, makecol(200, 100, 50));
    SpriteSheet sheet(image, {{0, 0, 2, 1}}, {{1.0f, 1, {0}}});
    BITMAP* canvas = create_bitmap(6, 6);
    const int ground = makecol(0, 60, 0);
    clear_to_color(canvas, ground);
    sheet.draw(canvas, 3, 4, 0, 0.0f);
    EXPECT_EQ(getpixel(canvas, 3, 4), ground) << "mask colour is skipped";
    EXPECT_EQ(getpixel(canvas, 4, 4), makecol(200, 100, 50));
    EXPECT_EQ(getpixel(canvas, 4, 3), ground);
    sheet.draw(canvas, 5, 5, 0, 0.0f); // clipped at the edge, not a crash
    sheet.draw(nullptr, 0, 0, 0, 0.0f);
    destroy_bitmap(canvas);
}
