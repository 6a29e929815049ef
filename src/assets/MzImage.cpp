#include "assets/MzImage.h"

#include "files/AtomicFile.h"

#include <allegro.h>

#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int BytesPerPixel = 3;

bool sideIsAcceptable(int side)
{
    return side > 0 && side <= MaxMzImageSide;
}

// Fills the bitmap row by row; false when the stream runs out before the last pixel.
bool readPixels(gzFile stream, BITMAP* bitmap)
{
    const unsigned rowBytes = static_cast<unsigned>(bitmap->w) * BytesPerPixel;
    std::vector<unsigned char> row(rowBytes);
    for (int y = 0; y < bitmap->h; ++y) {
        if (gzread(stream, row.data(), rowBytes) != static_cast<int>(rowBytes))
            return false;
        for (int x = 0; x < bitmap->w; ++x) {
            const unsigned char* rgb = &row[static_cast<std::size_t>(x) * BytesPerPixel];
            putpixel(bitmap, x, y, makecol(rgb[0], rgb[1], rgb[2]));
        }
    }
    return true;
}

} // namespace

int readU16(gzFile stream)
{
    const int low = gzgetc(stream);
    if (low < 0)
        return -1;
    const int high = gzgetc(stream);
    if (high < 0)
        return -1;
    return low + 256 * high;
}

BITMAP* readMzImage(gzFile stream)
{
    if (!stream)
        return nullptr;
    const int width = readU16(stream);
    const int height = readU16(stream);
    // The header is checked before anything is allocated: a broken file must not make us
    // create a huge bitmap.
    if (!sideIsAcceptable(width) || !sideIsAcceptable(height))
        return nullptr;
    BITMAP* bitmap = create_bitmap(width, height);
    if (!bitmap)
        return nullptr;
    if (!readPixels(stream, bitmap)) {
        destroy_bitmap(bitmap);
        return nullptr;
    }
    return bitmap;
}

gzFile openMzStream(const char* path)
{
    std::string error;
    const int fd = AtomicFile::openRegular(path, error);
    if (fd < 0)
        return nullptr;
    gzFile stream = gzdopen(fd, "rb");
    if (!stream)
        close(fd);
    return stream;
}

BITMAP* loadMzImage(const char* path, RGB* /*palette*/)
{
    if (!path)
        return nullptr;
    gzFile stream = openMzStream(path);
    if (!stream)
        return nullptr;
    BITMAP* bitmap = readMzImage(stream);
    gzclose(stream);
    return bitmap;
}

void registerMzLoader()
{
    register_bitmap_file_type("mz", loadMzImage, nullptr);
}
