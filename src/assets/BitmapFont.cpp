#include "assets/BitmapFont.h"

#include <allegro.h>

#include <cstdarg>
#include <cstdio>

namespace {

constexpr int FirstCode = 32;
constexpr std::size_t FormatBufferSize = 512;

// First x at or after `x` on row `y` whose colour is (or is not) the separator; the width
// when the row runs out first.
int scanRow(BITMAP* image, int x, int y, int separator, bool wantSeparator)
{
    while (x < image->w && (getpixel(image, x, y) == separator) != wantSeparator)
        ++x;
    return x;
}

// The same down column `x`, giving the height when the column runs out.
int scanColumn(BITMAP* image, int x, int y, int separator, bool wantSeparator)
{
    while (y < image->h && (getpixel(image, x, y) == separator) != wantSeparator)
        ++y;
    return y;
}

} // namespace

BitmapFont::BitmapFont(const std::string& imagePath)
    : image(load_bitmap(imagePath.c_str(), nullptr))
{
    cutGlyphs();
}

BitmapFont::BitmapFont(BITMAP* fontImage)
    : image(fontImage)
{
    cutGlyphs();
}

BitmapFont::~BitmapFont()
{
    for (BITMAP*& glyphBitmap : glyphs)
        if (glyphBitmap)
            destroy_bitmap(glyphBitmap);
    if (image)
        destroy_bitmap(image);
}

bool BitmapFont::hasGlyphs() const
{
    return image != nullptr;
}

void BitmapFont::cutGlyphs()
{
    if (!image || image->w < 2 || image->h < 2)
        return;
    const int separator = getpixel(image, 0, 0);
    unsigned char code = FirstCode;
    int top = 1;
    int left = 1;
    for (;;) {
        const int right = scanRow(image, left, top, separator, true);
        const int bottom = scanColumn(image, left, top, separator, true);
        // The code counter is eight bits wide: past 255 it wraps and later cells replace
        // earlier glyphs, so the one being replaced is freed first.
        if (glyphs[code])
            destroy_bitmap(glyphs[code]);
        glyphs[code] = nullptr;
        if (right > left && bottom > top)
            glyphs[code] = create_sub_bitmap(image, left, top, right - left, bottom - top);
        ++code;

        const int nextLeft = scanRow(image, right, top, separator, false);
        if (nextLeft < image->w) {
            left = nextLeft;
            continue;
        }
        const int nextTop = scanColumn(image, 1, bottom, separator, false);
        if (nextTop >= image->h)
            return;
        top = nextTop;
        left = 1;
    }
}

void drawText(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text)
{
    if (!font || !destination || !text)
        return;
    for (const char* c = text; *c; ++c) {
        BITMAP* glyphBitmap = font->glyph(static_cast<unsigned char>(*c));
        if (!glyphBitmap)
            continue;
        draw_sprite(destination, glyphBitmap, x, y);
        x += glyphBitmap->w + font->kerning;
    }
}

int textWidth(const BitmapFont* font, const char* text)
{
    if (!font || !text)
        return 0;
    int width = 0;
    for (const char* c = text; *c; ++c) {
        const BITMAP* glyphBitmap = font->glyph(static_cast<unsigned char>(*c));
        if (glyphBitmap)
            width += glyphBitmap->w + font->kerning;
    }
    return width;
}

void drawTextCentered(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text)
{
    drawText(font, destination, x - textWidth(font, text) / 2, y, text);
}

void drawTextRight(const BitmapFont* font, BITMAP* destination, int x, int y, const char* text)
{
    drawText(font, destination, x - textWidth(font, text), y, text);
}

void drawTextf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
{
    static char buffer[FormatBufferSize];
    if (!format)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    drawText(font, destination, x, y, buffer);
}

void drawTextCenteredf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
{
    static char buffer[FormatBufferSize];
    if (!format)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    drawTextCentered(font, destination, x, y, buffer);
}

void drawTextRightf(const BitmapFont* font, BITMAP* destination, int x, int y, const char* format, ...)
{
    static char buffer[FormatBufferSize];
    if (!format)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    drawTextRight(font, destination, x, y, buffer);
}

int textWidthf(const BitmapFont* font, const char* format, ...)
{
    static char buffer[FormatBufferSize];
    if (!format)
        return 0;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return textWidth(font, buffer);
}

void makeGreyscale(BITMAP* bitmap)
{
    if (!bitmap)
        return;
    for (int y = 0; y < bitmap->h; ++y) {
        for (int x = 0; x < bitmap->w; ++x) {
            const int colour = getpixel(bitmap, x, y);
            const int grey = static_cast<int>(0.3 * getr(colour) + 0.59 * getg(colour) + 0.11 * getb(colour));
            putpixel(bitmap, x, y, makecol(grey, grey, grey));
        }
    }
}
