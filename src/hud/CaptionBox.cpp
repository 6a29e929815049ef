// Dark boxes behind captions, and the dimmed and greyed parts of the paused screen.
#include "hud/CaptionBox.h"

#include "assets/BitmapFont.h"
#include "assets/Palette.h"

#include <allegro.h>

#include <algorithm>

namespace {

// The darkest colour of the art's palette, the outline of the sprites, as the panels use it.
constexpr PaletteColour Box = Palette::Ink;
// How opaque a see-through box is, of 255.
constexpr int SeeThroughAlpha = 150;

void blendedRect(BITMAP* target, int left, int top, int width, int height, int colour, int alpha)
{
    set_trans_blender(0, 0, 0, alpha);
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    rectfill(target, left, top, left + width - 1, top + height - 1, colour);
    solid_mode();
}

} // namespace

void CaptionBox::centred(BITMAP* target, int x, int y, int width, int height, bool grey)
{
    box(target, x - width / 2 - Padding, y - Padding, width + 2 * Padding, height + 2 * Padding, grey, false);
}

void CaptionBox::box(BITMAP* target, int left, int top, int width, int height, bool grey, bool seeThrough)
{
    if (!target || width <= 0 || height <= 0)
        return;
    const int colour = grey ? makecol(Box.green, Box.green, Box.green) : Palette::colour(Box);
    if (seeThrough)
        blendedRect(target, left, top, width, height, colour, SeeThroughAlpha);
    else
        rectfill(target, left, top, left + width - 1, top + height - 1, colour);
}

void CaptionBox::dim(BITMAP* target, int left, int top, int width, int height, int kept)
{
    if (target && width > 0 && height > 0)
        blendedRect(target, left, top, width, height, makecol(0, 0, 0), 255 - std::clamp(kept, 0, 255));
}

void CaptionBox::grey(BITMAP* target, int left, int top, int width, int height)
{
    if (!target)
        return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    width = std::min(width, target->w - left);
    height = std::min(height, target->h - top);
    if (width <= 0 || height <= 0)
        return;
    BITMAP* part = create_sub_bitmap(target, left, top, width, height);
    makeGreyscale(part);
    destroy_bitmap(part);
}
