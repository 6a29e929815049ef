// A loaded .sz sprite sheet: one image, frame rectangles cut from it as sub-bitmaps, and
// animations that play sequences of those frames at a fixed rate. Shared, read-only content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BITMAP;

struct Animation {
    float framesPerSecond = 0.0f;
    std::uint32_t frameCount = 0;
    std::vector<int> frameIndices;

    double cycleDuration() const { return frameCount / static_cast<double>(framesPerSecond); }
};

struct FrameRect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Limits on the tables of a sheet file; larger counts mark the file as broken.
constexpr int MaxSheetFrames = 4096;
constexpr int MaxSheetAnimations = 4096;

class SpriteSheet {
public:
    // An empty sheet: no image, no frames, no animations.
    SpriteSheet() = default;
    // Loads an .sz file; a missing or broken file leaves the sheet empty.
    explicit SpriteSheet(const std::string& path);
    // Takes ownership of image; used by tools and tests. Broken parts leave the sheet empty.
    SpriteSheet(BITMAP* image, const std::vector<FrameRect>& rects, std::vector<Animation> animations);
    ~SpriteSheet();
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    // The frame of an animation at a time, or null for an animation the sheet lacks.
    BITMAP* getFrame(unsigned animation, float time) const;
    // Draws that frame masked with its top-left at (x, y); nothing when there is none.
    void draw(BITMAP* destination, int x, int y, unsigned animation, float time) const;

    bool empty() const { return image == nullptr; }
    // The size of animation 0's first frame, by which every tower kind is placed and centred; 0
    // without a sheet or without that frame.
    static int firstFrameWidth(const SpriteSheet* sheet);
    static int firstFrameHeight(const SpriteSheet* sheet);
    const Animation* animationAt(unsigned animation) const;

    BITMAP* image = nullptr;
    std::vector<BITMAP*> frames;
    std::vector<FrameRect> frameRects;
    std::vector<Animation> animations;
    std::uint32_t animationCount = 0;

private:
    void adopt(BITMAP* sheetImage, const std::vector<FrameRect>& rects, std::vector<Animation> anims);
    void clear();
};
