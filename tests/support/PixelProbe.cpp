#include "support/PixelProbe.h"

#include <allegro.h>

#include <algorithm>

namespace pixelprobe {

Box paintedBox(BITMAP* bitmap, int background)
{
    Box box;
    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x) {
            if (getpixel(bitmap, x, y) == background)
                continue;
            if (box.empty) {
                box = {false, x, y, x, y};
                continue;
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

int countColour(BITMAP* bitmap, int colour)
{
    int count = 0;
    for (int y = 0; y < bitmap->h; ++y)
        for (int x = 0; x < bitmap->w; ++x)
            if (getpixel(bitmap, x, y) == colour)
                ++count;
    return count;
}

bool samePixels(BITMAP* a, BITMAP* b)
{
    if (!a || !b || a->w != b->w || a->h != b->h)
        return false;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (getpixel(a, x, y) != getpixel(b, x, y))
                return false;
    return true;
}

} // namespace pixelprobe
