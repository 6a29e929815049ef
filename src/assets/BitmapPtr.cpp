#include "assets/BitmapPtr.h"

#include <allegro.h>

void BitmapDeleter::operator()(BITMAP* bitmap) const
{
    if (bitmap)
        destroy_bitmap(bitmap);
}
