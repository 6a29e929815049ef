#include "hud/TextPanel.h"

#include "assets/BitmapFont.h"
#include "files/ClassicLocale.h"
#include "hud/CaptionBox.h"

#include <allegro.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr int Padding = 2;
constexpr int LineGap = 1;
// A font without glyphs still takes a line of this height.
constexpr int FallbackLineHeight = 6;

} // namespace

void TextPanel::add(const BitmapFont* font, const char* format, ...)
{
    if (count >= MostLines)
        return;
    Line& line = lines[static_cast<std::size_t>(count++)];
    line.font = font;
    va_list arguments;
    va_start(arguments, format);
    const ClassicLocale pointed;
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
    // Over the field the invaders under a panel still show through it.
    CaptionBox::box(target, x, y, width(), height(), grey, !grey);
    int top = y + Padding;
    for (int i = 0; i < count; ++i) {
        const Line& line = lines[static_cast<std::size_t>(i)];
        drawText(line.font, target, x + Padding, top, line.text);
        top += lineHeight(line.font);
    }
}
