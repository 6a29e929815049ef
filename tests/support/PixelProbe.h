// Helpers for tests that check what was drawn into a memory bitmap.
#pragma once

struct BITMAP;

namespace pixelprobe {

// The smallest rectangle holding every pixel that differs from the background colour.
struct Box {
    bool empty = true;
    int left = 0, top = 0, right = 0, bottom = 0; // inclusive
    int width() const { return empty ? 0 : right - left + 1; }
    int height() const { return empty ? 0 : bottom - top + 1; }
};

Box paintedBox(BITMAP* bitmap, int background);
// Number of pixels of exactly this colour.
int countColour(BITMAP* bitmap, int colour);
// Whether two bitmaps have the same size and the same pixels.
bool samePixels(BITMAP* a, BITMAP* b);

} // namespace pixelprobe
