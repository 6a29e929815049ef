// Owns an Allegro bitmap that the game frees itself (text images, bolt images): destroyed with
// destroy_bitmap when the holder goes.
#pragma once

#include <memory>

struct BITMAP;

struct BitmapDeleter {
    void operator()(BITMAP* bitmap) const;
};

using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;
