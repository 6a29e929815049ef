#include "assets/BitmapPtr.h"

#include <allegro.h>

void BitmapDeleter::operator()(BITMAP* bitmap) const
{
    if (bitmap)
        destroy_bitmap(bitmap);
}

BitmapPtr makeDataSizedBitmap(long long width, long long height)
{
    if (width < 1 || height < 1 || width > MaxDataSizedSide || height > MaxDataSizedSide)
        return BitmapPtr();
    return BitmapPtr(create_bitmap(static_cast<int>(width), static_cast<int>(height)));
}
