#include "mztool/MzWriter.h"

#include <allegro.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace mztool {

namespace {

void putU16(Bytes& bytes, unsigned value)
{
    bytes.push_back(static_cast<unsigned char>(value & 0xff));
    bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

void putFloat(Bytes& bytes, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<unsigned char>((bits >> shift) & 0xff));
}

} // namespace

Bytes encodeImage(BITMAP* bitmap)
{
    Bytes bytes;
    bytes.reserve(4 + static_cast<std::size_t>(bitmap->w) * bitmap->h * 3);
    putU16(bytes, static_cast<unsigned>(bitmap->w));
    putU16(bytes, static_cast<unsigned>(bitmap->h));
    const int depth = bitmap_color_depth(bitmap);
    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x) {
            const int colour = getpixel(bitmap, x, y);
            bytes.push_back(static_cast<unsigned char>(getr_depth(depth, colour)));
            bytes.push_back(static_cast<unsigned char>(getg_depth(depth, colour)));
            bytes.push_back(static_cast<unsigned char>(getb_depth(depth, colour)));
        }
    }
    return bytes;
}

Bytes encodeSheet(BITMAP* bitmap, const std::vector<FrameRect>& frames, const std::vector<Animation>& animations)
{
    Bytes bytes = encodeImage(bitmap);
    putU16(bytes, static_cast<unsigned>(frames.size()));
    for (const FrameRect& frame : frames) {
        putU16(bytes, static_cast<unsigned>(frame.x));
        putU16(bytes, static_cast<unsigned>(frame.y));
        putU16(bytes, static_cast<unsigned>(frame.w));
        putU16(bytes, static_cast<unsigned>(frame.h));
    }
    putU16(bytes, static_cast<unsigned>(animations.size()));
    for (const Animation& animation : animations) {
        putFloat(bytes, animation.framesPerSecond);
        putU16(bytes, static_cast<unsigned>(animation.frameIndices.size()));
        for (int frame : animation.frameIndices)
            putU16(bytes, static_cast<unsigned>(frame));
    }
    return bytes;
}

bool writeCompressed(const std::string& path, const Bytes& bytes, std::string& error)
{
    gzFile file = gzopen(path.c_str(), "wb9");
    if (!file) {
        error = path + ": cannot open for writing";
        return false;
    }
    const bool written = bytes.empty() ||
                         gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size())) == static_cast<int>(bytes.size());
    const bool closed = gzclose(file) == Z_OK;
    if (!written || !closed) {
        error = path + ": write failed";
        return false;
    }
    return true;
}

} // namespace mztool
