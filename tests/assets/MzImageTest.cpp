#include "assets/MzImage.h"

#include "support/AssetFiles.h"

#include <allegro.h>
#include <gtest/gtest.h>

using assetfiles::ByteBuilder;
using assetfiles::Bytes;
using assetfiles::ScratchDir;
using assetfiles::writeFile;

namespace {

const Bytes MaskExample = {0x02, 0x00, 0x01, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00};

// Writes the bytes and loads them back through the registered loader.
BITMAP* loadBytes(const ScratchDir& dir, const Bytes& bytes, bool compressed)
{
    const std::string path = dir.path(compressed ? "image_gz.mz" : "image_plain.mz");
    writeFile(path, bytes, compressed);
    registerMzLoader();
    return load_bitmap(path.c_str(), nullptr);
}

Bytes prefix(const Bytes& bytes, std::size_t length)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(length));
}

} // namespace

TEST(MzImage, ReadsU16LowByteFirst)
{
    ScratchDir dir;
    writeFile(dir.path("u16.bin"), {0x34, 0x12, 0xFF, 0xFF, 0x07}, true);
    gzFile stream = gzopen(dir.path("u16.bin").c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(readU16(stream), 4660);
    EXPECT_EQ(readU16(stream), 65535);
    EXPECT_EQ(readU16(stream), -1) << "one byte left is not a whole u16";
    EXPECT_EQ(readU16(stream), -1);
    gzclose(stream);
}

TEST(MzImage, MaskColourExampleDecodesAndDrawsOnlyTheBlackPixel)
{
    ScratchDir dir;
    BITMAP* image = loadBytes(dir, MaskExample, true);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->w, 2);
    ASSERT_EQ(image->h, 1);
    EXPECT_EQ(getpixel(image, 0, 0), makecol(255, 0, 255));
    EXPECT_EQ(getpixel(image, 0, 0), bitmap_mask_color(image));
    EXPECT_EQ(getpixel(image, 1, 0), makecol(0, 0, 0));

    BITMAP* canvas = create_bitmap(2, 1);
    const int ground = makecol(10, 200, 30);
    clear_to_color(canvas, ground);
    draw_sprite(canvas, image, 0, 0);
    EXPECT_EQ(getpixel(canvas, 0, 0), ground);
    EXPECT_EQ(getpixel(canvas, 1, 0), makecol(0, 0, 0));
    destroy_bitmap(canvas);
    destroy_bitmap(image);
}

TEST(MzImage, WidthIsTheFirstFieldAndRowsRunTopToBottom)
{
    ByteBuilder bytes;
    bytes.raw({0x03, 0x00, 0x02, 0x00});
    for (int pixel = 0; pixel < 6; ++pixel)
        bytes.rgb(pixel * 10, 100 + pixel, 200 - pixel);
    ScratchDir dir;
    BITMAP* image = loadBytes(dir, bytes.bytes, false);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, 3);
    EXPECT_EQ(image->h, 2);
    EXPECT_EQ(getpixel(image, 2, 0), makecol(20, 102, 198));
    EXPECT_EQ(getpixel(image, 0, 1), makecol(30, 103, 197)) << "the fourth triple starts row 1";
    EXPECT_EQ(getpixel(image, 2, 1), makecol(50, 105, 195));
    destroy_bitmap(image);
}

TEST(MzImage, CompressedAndPlainFilesDecodeAlike)
{
    ScratchDir dir;
    const Bytes body = assetfiles::gradientImage(5, 4);
    BITMAP* compressed = loadBytes(dir, body, true);
    BITMAP* plain = loadBytes(dir, body, false);
    ASSERT_NE(compressed, nullptr);
    ASSERT_NE(plain, nullptr);
    ASSERT_EQ(compressed->w, plain->w);
    ASSERT_EQ(compressed->h, plain->h);
    for (int y = 0; y < plain->h; ++y)
        for (int x = 0; x < plain->w; ++x)
            EXPECT_EQ(getpixel(compressed, x, y), getpixel(plain, x, y)) << x << "," << y;
    EXPECT_EQ(getpixel(plain, 4, 3), makecol(160, 120, 7));
    destroy_bitmap(compressed);
    destroy_bitmap(plain);
}

TEST(MzImage, StreamIsLeftJustAfterTheLastPixel)
{
    ScratchDir dir;
    ByteBuilder bytes;
    bytes.append(assetfiles::gradientImage(3, 2)).u16(0xBEEF);
    writeFile(dir.path("body.sz"), bytes.bytes, true);
    gzFile stream = gzopen(dir.path("body.sz").c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    BITMAP* image = readMzImage(stream);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(readU16(stream), 0xBEEF);
    gzclose(stream);
    destroy_bitmap(image);
}

TEST(MzImage, MissingFileOrNullStreamGivesNull)
{
    ScratchDir dir;
    registerMzLoader();
    EXPECT_EQ(load_bitmap(dir.path("absent.mz").c_str(), nullptr), nullptr);
    EXPECT_EQ(loadMzImage(dir.path("absent.mz").c_str(), nullptr), nullptr);
    EXPECT_EQ(loadMzImage(nullptr, nullptr), nullptr);
    EXPECT_EQ(readMzImage(nullptr), nullptr);
}

TEST(MzImage, EveryTruncationGivesNull)
{
    ScratchDir dir;
    const Bytes whole = assetfiles::gradientImage(3, 2);
    for (bool compressed : {false, true}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            BITMAP* image = loadBytes(dir, prefix(whole, length), compressed);
            EXPECT_EQ(image, nullptr) << "length " << length << (compressed ? " compressed" : " plain");
            if (image)
                destroy_bitmap(image);
        }
    }
}

TEST(MzImage, ZeroOrOversizedSidesGiveNull)
{
    ScratchDir dir;
    const struct {
        unsigned width, height;
    } headers[] = {{0, 5}, {5, 0}, {0, 0}, {4097, 1}, {1, 4097}, {65535, 65535}};
    for (const auto& header : headers) {
        ByteBuilder bytes;
        bytes.u16(header.width).u16(header.height);
        for (int i = 0; i < 64; ++i)
            bytes.rgb(1, 2, 3);
        BITMAP* image = loadBytes(dir, bytes.bytes, true);
        EXPECT_EQ(image, nullptr) << header.width << " x " << header.height;
        if (image)
            destroy_bitmap(image);
    }
}

TEST(MzImage, LargestAllowedSideStillLoads)
{
    ScratchDir dir;
    BITMAP* image = loadBytes(dir, assetfiles::gradientImage(MaxMzImageSide, 1), true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, MaxMzImageSide);
    destroy_bitmap(image);
}
