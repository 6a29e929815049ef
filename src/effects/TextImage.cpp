#include "effects/TextImage.h"

#include "assets/BitmapFont.h"

#include <allegro.h>

namespace {

// Room for the last glyph's shadow or overhang.
constexpr int TextImagePadding = 2;

} // namespace

BitmapPtr makeTextImage(const BitmapFont* font, const char* text)
{
    BitmapPtr image(create_bitmap(textWidth(font, text) + TextImagePadding, TextImageHeight));
    if (!image)
        return image;
    clear_to_color(image.get(), makecol(255, 0, 255));
    drawText(font, image.get(), 0, 0, text);
    return image;
}
