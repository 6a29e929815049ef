#include "hud/TextPanel.h"

#include "assets/BitmapFont.h"

#include <allegro.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr int Padding = 2;
constexpr int LineGap = 1;
// A font without glyphs still takes a line of this height.
constexpr int FallbackLineHeight = 6;
// The darkest colour of the art's palette, the outline of the sprites.
constexpr int BoxRed = 0x22;
constexpr int BoxGreen = 0x20;
constexpr int BoxBlue = 0x34;

} // namespace

void TextPanel::add(const BitmapFont* font, const char* format, ...)
{
    if (count >= MostLines)
        return;
    Line& line = lines[static_cast<std::size_t>(count++)];
    line.font = font;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line.text, sizeof line.text, format, arguments);
    va_end(arguments);
}

int TextPanel::lineHeight(const BitmapFont* font)
{
    const BITMAP* glyph = font ? font->glyph('A') : nullptr;
    return (glyph ? glyph->h : FallbackLineHeight) + LineGap;
}

int TextPanel::width() const
{
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, textWidth(lines[static_cast<std::size_t>(i)].font, lines[static_cast<std::size_t>(i)].text));
    return widest + 2 * Padding;
}

int TextPanel::height() const
{
    int total = 2 * Padding - LineGap;
    for (int i = 0; i < count; ++i)
        total += lineHeight(lines[static_cast<std::size_t>(i)].font);
    return total;
}

void TextPanel::draw(BITMAP* target, int x, int y, bool grey) const
{
    if (count == 0)
        return;
    const int colour = grey ? makecol(BoxGreen, BoxGreen, BoxGreen) : makecol(BoxRed, BoxGreen, BoxBlue);
    rectfill(target, x, y, x + width() - 1, y + height() - 1, colour);
    int top = y + Padding;
    for (int i = 0; i < count; ++i) {
        const Line& line = lines[static_cast<std::size_t>(i)];
        drawText(line.font, target, x + Padding, top, line.text);
        top += lineHeight(line.font);
    }
}
