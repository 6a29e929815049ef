#include "mztool/PngFile.h"

#include "assets/MzImage.h"
#include "support/AssetFiles.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <vector>

using assetfiles::ScratchDir;

namespace {

// Writes a PNG straight through libpng, so the reader is tested against a file it did not make.
void writeRawPng(const std::string& path, int width, int height, png_uint_32 format,
                 const std::vector<png_byte>& pixels)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    ASSERT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr)) << image.message;
}

} // namespace

TEST(PngFile, AlphaBelowHalfBecomesTheMaskColour)
{
    ScratchDir dir;
    const std::vector<png_byte> pixels{10, 20, 30, 255, /**/ 10, 20, 30, 127, /**/ 40, 50, 60, 128,
                                       255, 0, 255, 255, /**/ 0, 0, 0, 0, /**/ 200, 100, 0, 254};
    writeRawPng(dir.path("alpha.png"), 3, 2, PNG_FORMAT_RGBA, pixels);
    std::string error;
    BITMAP* bitmap = mztool::readPng(dir.path("alpha.png"), error);
    ASSERT_NE(bitmap, nullptr) << error;
    EXPECT_EQ(bitmap->w, 3);
    EXPECT_EQ(bitmap->h, 2);
    const int mask = makecol(255, 0, 255);
    EXPECT_EQ(getpixel(bitmap, 0, 0), makecol(10, 20, 30));
    EXPECT_EQ(getpixel(bitmap, 1, 0), mask);
    EXPECT_EQ(getpixel(bitmap, 2, 0), makecol(40, 50, 60));
    EXPECT_EQ(getpixel(bitmap, 0, 1), mask) << "opaque magenta is the mask colour too";
    EXPECT_EQ(getpixel(bitmap, 1, 1), mask);
    EXPECT_EQ(getpixel(bitmap, 2, 1), makecol(200, 100, 0));
    destroy_bitmap(bitmap);
}

TEST(PngFile, UnreadableOrOversizedFilesGiveClearErrors)
{
    ScratchDir dir;
    std::string error;
    EXPECT_EQ(mztool::readPng(dir.path("absent.png"), error), nullptr);
    EXPECT_NE(error.find("absent.png"), std::string::npos) << error;

    assetfiles::writeFile(dir.path("text.png"), {'n', 'o', 't', ' ', 'p', 'n', 'g'}, false);
    EXPECT_EQ(mztool::readPng(dir.path("text.png"), error), nullptr);
    EXPECT_NE(error.find("text.png"), std::string::npos) << error;

    writeRawPng(dir.path("wide.png"), MaxMzImageSide + 1, 1, PNG_FORMAT_GRAY,
                std::vector<png_byte>(MaxMzImageSide + 1, 0));
    EXPECT_EQ(mztool::readPng(dir.path("wide.png"), error), nullptr);
    EXPECT_NE(error.find("4097 x 1"), std::string::npos) << error;

    BITMAP* bitmap = create_bitmap(1, 1);
    EXPECT_FALSE(mztool::writePng(dir.path("no/such/dir/x.png"), bitmap, error));
    EXPECT_FALSE(error.empty());
    destroy_bitmap(bitmap);
}
