#include "app/BackBuffer.h"

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
    stretch_blit(bitmap, screen, 0, 0, bitmap->w, bitmap->h, 0, 0, SCREEN_W, SCREEN_H);
}
