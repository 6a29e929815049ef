// Owns an Allegro bitmap that the game frees itself (text images, bolt images): destroyed with
// destroy_bitmap when the holder goes. Bitmaps whose size the data decides are made through
// makeDataSizedBitmap.
#pragma once

#include <memory>

struct BITMAP;

struct BitmapDeleter {
    void operator()(BITMAP* bitmap) const;
};

using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;

// Longest side of a bitmap whose size comes from the data (a text image, the "Game Over"
// caption): far beyond anything the 320 x 240 field shows, and a modest allocation.
constexpr long long MaxDataSizedSide = 4096;

// A memory bitmap of the given size, or null unless both sides are 1 .. MaxDataSizedSide: the
// library must never be asked for an empty, negative or overflowing size.
BitmapPtr makeDataSizedBitmap(long long width, long long height);
