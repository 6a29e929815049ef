#include "assets/SpriteSheet.h"

#include "assets/MzImage.h"

#include <allegro.h>
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Raw little-endian IEEE-754 single-precision bytes, as the file stores the rate.
bool readFloat(gzFile stream, float& value)
{
    unsigned char bytes[4];
    if (gzread(stream, bytes, sizeof bytes) != static_cast<int>(sizeof bytes))
        return false;
    const std::uint32_t bits = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                               (static_cast<std::uint32_t>(bytes[3]) << 24);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool readFrameRects(gzFile stream, std::vector<FrameRect>& rects)
{
    const int count = readU16(stream);
    if (count < 0 || count > MaxSheetFrames)
        return false;
    rects.resize(static_cast<std::size_t>(count));
    for (FrameRect& rect : rects) {
        rect.x = readU16(stream);
        rect.y = readU16(stream);
        rect.w = readU16(stream);
        rect.h = readU16(stream);
        if (rect.h < 0)
            return false; // the stream ended somewhere in this record
    }
    return true;
}

bool readAnimation(gzFile stream, Animation& animation)
{
    if (!readFloat(stream, animation.framesPerSecond))
        return false;
    const int count = readU16(stream);
    if (count < 0)
        return false;
    animation.frameCount = static_cast<std::uint32_t>(count);
    animation.frameIndices.resize(animation.frameCount);
    for (int& index : animation.frameIndices) {
        index = readU16(stream);
        if (index < 0)
            return false;
    }
    return true;
}

bool readAnimations(gzFile stream, std::vector<Animation>& animations)
{
    const int count = readU16(stream);
    if (count < 0 || count > MaxSheetAnimations)
        return false;
    animations.resize(static_cast<std::size_t>(count));
    for (Animation& animation : animations)
        if (!readAnimation(stream, animation))
            return false;
    return true;
}

bool rectFitsImage(const FrameRect& rect, const BITMAP* image)
{
    return rect.x >= 0 && rect.y >= 0 && rect.w > 0 && rect.h > 0 &&
           rect.x + rect.w <= image->w && rect.y + rect.h <= image->h;
}

bool animationIsPlayable(const Animation& animation, std::size_t frameTotal)
{
    if (!(animation.framesPerSecond > 0.0f) || !std::isfinite(animation.framesPerSecond))
        return false;
    if (animation.frameCount == 0 || animation.frameCount != animation.frameIndices.size())
        return false;
    for (int index : animation.frameIndices)
        if (index < 0 || static_cast<std::size_t>(index) >= frameTotal)
            return false;
    return true;
}

bool sheetIsValid(const BITMAP* image, const std::vector<FrameRect>& rects,
                  const std::vector<Animation>& animations)
{
    if (!image || image->w <= 0 || image->h <= 0 || image->w > MaxMzImageSide || image->h > MaxMzImageSide)
        return false;
    if (rects.size() > static_cast<std::size_t>(MaxSheetFrames) ||
        animations.size() > static_cast<std::size_t>(MaxSheetAnimations))
        return false;
    for (const FrameRect& rect : rects)
        if (!rectFitsImage(rect, image))
            return false;
    for (const Animation& animation : animations)
        if (!animationIsPlayable(animation, rects.size()))
            return false;
    return true;
}

// t x rate truncated toward zero to 32 bits. Values no int can hold give INT32_MIN, the
// answer the processor's own truncating conversion gives, without undefined behaviour.
std::int32_t frameStep(float time, float framesPerSecond)
{
    const float steps = time * framesPerSecond;
    if (!(steps > -2147483648.0f && steps < 2147483648.0f))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(steps);
}

} // namespace

SpriteSheet::SpriteSheet(const std::string& path)
{
    gzFile stream = openMzStream(path.c_str());
    if (!stream)
        return;
    BITMAP* sheetImage = readMzImage(stream);
    std::vector<FrameRect> rects;
    std::vector<Animation> anims;
    const bool complete = sheetImage && readFrameRects(stream, rects) && readAnimations(stream, anims);
    gzclose(stream);
    if (!complete) {
        if (sheetImage)
            destroy_bitmap(sheetImage);
        return;
    }
    adopt(sheetImage, rects, std::move(anims));
}

SpriteSheet::SpriteSheet(BITMAP* image, const std::vector<FrameRect>& rects, std::vector<Animation> animations)
{
    adopt(image, rects, std::move(animations));
}

SpriteSheet::~SpriteSheet()
{
    clear();
}

void SpriteSheet::adopt(BITMAP* sheetImage, const std::vector<FrameRect>& rects, std::vector<Animation> anims)
{
    if (!sheetIsValid(sheetImage, rects, anims)) {
        if (sheetImage)
            destroy_bitmap(sheetImage);
        return;
    }
    image = sheetImage;
    frameRects = rects;
    frames.reserve(rects.size());
    for (const FrameRect& rect : rects)
        frames.push_back(create_sub_bitmap(image, rect.x, rect.y, rect.w, rect.h));
    animations = std::move(anims);
    animationCount = static_cast<std::uint32_t>(animations.size());
}

void SpriteSheet::clear()
{
    for (BITMAP* frame : frames)
        if (frame)
            destroy_bitmap(frame);
    frames.clear();
    frameRects.clear();
    animations.clear();
    animationCount = 0;
    if (image)
        destroy_bitmap(image);
    image = nullptr;
}

const Animation* SpriteSheet::animationAt(unsigned animation) const
{
    if (animation >= animationCount)
        return nullptr;
    return &animations[animation];
}

int SpriteSheet::firstFrameWidth(const SpriteSheet* sheet)
{
    const BITMAP* frame = sheet ? sheet->getFrame(0, 0.0f) : nullptr;
    return frame ? frame->w : 0;
}

int SpriteSheet::firstFrameHeight(const SpriteSheet* sheet)
{
    const BITMAP* frame = sheet ? sheet->getFrame(0, 0.0f) : nullptr;
    return frame ? frame->h : 0;
}

BITMAP* SpriteSheet::getFrame(unsigned animation, float time) const
{
    const Animation* playing = animationAt(animation);
    if (!playing || playing->frameIndices.empty())
        return nullptr;
    std::size_t entry = 0;
    if (playing->frameCount > 1) {
        const auto step = static_cast<std::uint32_t>(frameStep(time, playing->framesPerSecond));
        entry = step % playing->frameCount;
    }
    const int frame = playing->frameIndices[entry];
    if (frame < 0 || static_cast<std::size_t>(frame) >= frames.size())
        return nullptr;
    return frames[static_cast<std::size_t>(frame)];
}

void SpriteSheet::draw(BITMAP* destination, int x, int y, unsigned animation, float time) const
{
    if (!destination)
        return;
    BITMAP* frame = getFrame(animation, time);
    if (frame)
        draw_sprite(destination, frame, x, y);
}
