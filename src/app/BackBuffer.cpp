#include "app/BackBuffer.h"

#include "app/ScreenLayout.h"

#include <allegro.h>

BackBuffer::BackBuffer(int width, int height)
    : bitmap(create_bitmap(width, height))
{
}

BackBuffer::~BackBuffer()
{
    if (bitmap)
        destroy_bitmap(bitmap);
}

void BackBuffer::present()
{
    if (!bitmap || !screen)
        return;
    // Without a graphics driver SCREEN_W and SCREEN_H read 0; tools and benchmarks that point
    // screen at a memory bitmap get the picture fitted to that bitmap's own size.
    const int width = gfx_driver ? SCREEN_W : screen->w;
    const int height = gfx_driver ? SCREEN_H : screen->h;
    const ScreenLayout layout = ScreenLayout::centred(width, height, bitmap->w, bitmap->h);
    stretch_blit(bitmap, screen, 0, 0, bitmap->w, bitmap->h, layout.left(), layout.top(), layout.shownWidth(),
                 layout.shownHeight());
}
