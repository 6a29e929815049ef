#include "mztool/PngFile.h"

#include "assets/MzImage.h"

#include <allegro.h>
#include <png.h>

#include <cstring>
#include <vector>

namespace mztool {

namespace {

constexpr int Channels = 4;
constexpr int OpaqueThreshold = 128;
constexpr int MaskRed = 255, MaskGreen = 0, MaskBlue = 255;

bool isMask(int r, int g, int b)
{
    return r == MaskRed && g == MaskGreen && b == MaskBlue;
}

BITMAP* bitmapFromRgba(const std::vector<png_byte>& pixels, int width, int height)
{
    BITMAP* bitmap = create_bitmap(width, height);
    if (!bitmap)
        return nullptr;
    const int mask = makecol(MaskRed, MaskGreen, MaskBlue);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const png_byte* p = &pixels[(static_cast<std::size_t>(y) * width + x) * Channels];
            putpixel(bitmap, x, y, p[3] < OpaqueThreshold ? mask : makecol(p[0], p[1], p[2]));
        }
    }
    return bitmap;
}

} // namespace

BITMAP* readPng(const std::string& path, std::string& error)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = path + ": cannot read PNG: " + image.message;
        return nullptr;
    }
    if (image.width == 0 || image.height == 0 || image.width > static_cast<png_uint_32>(MaxMzImageSide) ||
        image.height > static_cast<png_uint_32>(MaxMzImageSide)) {
        error = path + ": image is " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                "; each side must be 1 to " + std::to_string(MaxMzImageSide);
        png_image_free(&image);
        return nullptr;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        error = path + ": cannot decode PNG: " + image.message;
        png_image_free(&image);
        return nullptr;
    }
    BITMAP* bitmap = bitmapFromRgba(pixels, static_cast<int>(image.width), static_cast<int>(image.height));
    if (!bitmap)
        error = path + ": out of memory";
    return bitmap;
}

bool writePng(const std::string& path, BITMAP* bitmap, std::string& error)
{
    const int depth = bitmap_color_depth(bitmap);
    std::vector<png_byte> pixels(static_cast<std::size_t>(bitmap->w) * bitmap->h * Channels);
    png_byte* out = pixels.data();
    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x, out += Channels) {
            const int colour = getpixel(bitmap, x, y);
            out[0] = static_cast<png_byte>(getr_depth(depth, colour));
            out[1] = static_cast<png_byte>(getg_depth(depth, colour));
            out[2] = static_cast<png_byte>(getb_depth(depth, colour));
            out[3] = isMask(out[0], out[1], out[2]) ? 0 : 255;
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap->w);
    image.height = static_cast<png_uint_32>(bitmap->h);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr)) {
        error = path + ": cannot write PNG: " + image.message;
        return false;
    }
    return true;
}

} // namespace mztool
