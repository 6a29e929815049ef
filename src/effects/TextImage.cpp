#include "effects/TextImage.h"

#include "assets/BitmapFont.h"

#include <allegro.h>

namespace {

// Room for the last glyph's shadow or overhang.
constexpr int TextImagePadding = 2;

} // namespace

long long textImageWidth(const BitmapFont* font, const char* text)
{
    return textWidthLong(font, text) + TextImagePadding;
}

BitmapPtr makeTextImage(const BitmapFont* font, const char* text)
{
    BitmapPtr image = makeDataSizedBitmap(textImageWidth(font, text), TextImageHeight);
    if (!image)
        return image;
    clear_to_color(image.get(), makecol(255, 0, 255));
    drawText(font, image.get(), 0, 0, text);
    return image;
}
