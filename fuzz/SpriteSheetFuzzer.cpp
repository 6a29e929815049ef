// Fuzzes the .sz loader: a sheet is either empty or keeps every invariant the game relies on,
// and playing and drawing every animation of it stays inside its image.
#include "FuzzInput.h"

#include "assets/AnimatedSprite.h"
#include "assets/SpriteSheet.h"

#include <allegro.h>

#include <cmath>

namespace {

constexpr int CanvasSide = 32;
constexpr int PlaySteps = 8;
constexpr float PlayStep = 0.37f;

void checkInvariants(const SpriteSheet& sheet)
{
    if (sheet.frames.size() != sheet.frameRects.size() || sheet.animationCount != sheet.animations.size())
        fuzzinput::fail("table sizes disagree");
    for (const BITMAP* frame : sheet.frames)
        if (!frame || frame->w < 1 || frame->h < 1)
            fuzzinput::fail("missing or empty frame");
    for (const FrameRect& rect : sheet.frameRects)
        if (rect.x + rect.w > sheet.image->w || rect.y + rect.h > sheet.image->h)
            fuzzinput::fail("frame outside the image");
    for (const Animation& animation : sheet.animations) {
        if (animation.frameCount < 1 || !(animation.framesPerSecond > 0.0f) ||
            !std::isfinite(animation.framesPerSecond))
            fuzzinput::fail("unplayable animation kept");
        for (int index : animation.frameIndices)
            if (index < 0 || static_cast<std::size_t>(index) >= sheet.frames.size())
                fuzzinput::fail("frame number beyond the table");
    }
}

void playEveryAnimation(const SpriteSheet& sheet, BITMAP* canvas)
{
    AnimatedSprite sprite(&sheet);
    for (std::uint32_t a = 0; a <= sheet.animationCount && a < 64; ++a) {
        sprite.playThen(static_cast<int>(a), 0);
        for (int step = 0; step < PlaySteps; ++step) {
            sprite.update(PlayStep * static_cast<float>(step));
            sprite.draw(canvas, -sprite.width() / 2 + step, -sprite.height() / 2 + step);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzinput::startLibrary();
    const std::string path = fuzzinput::writeScratchFile(data, size, ".sz");
    SpriteSheet sheet(path);
    if (sheet.empty()) {
        if (!sheet.frames.empty() || sheet.animationCount != 0)
            fuzzinput::fail("empty sheet with tables");
        return 0;
    }
    checkInvariants(sheet);
    BITMAP* canvas = create_bitmap(CanvasSide, CanvasSide);
    playEveryAnimation(sheet, canvas);
    sheet.draw(canvas, 0, 0, sheet.animationCount, 0.0f);
    destroy_bitmap(canvas);
    return 0;
}
