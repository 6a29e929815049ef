#include "hud/KeyDigit.h"

#include "assets/BitmapFont.h"
#include "hud/CaptionBox.h"

#include <allegro.h>

namespace {

// Inside the button's one-pixel frame.
constexpr int Inset = 1;
constexpr int Padding = 1;
// A font without glyphs still gets a patch of this height.
constexpr int FallbackHeight = 6;

} // namespace

void KeyDigit::draw(BITMAP* target, const BitmapFont* font, int x, int y, int size, int number)
{
    if (number >= 1 && number <= 9)
        drawKey(target, font, x, y, size, static_cast<char>('0' + number));
}

void KeyDigit::drawKey(BITMAP* target, const BitmapFont* font, int x, int y, int size, char key)
{
    if (!target)
        return;
    const char digit[2] = {key, '\0'};
    const BITMAP* glyph = font ? font->glyph(digit[0]) : nullptr;
    const int height = glyph ? glyph->h : FallbackHeight;
    // The glyph's cell has its spacing at the right and at the bottom: one padding more each side.
    const int width = textWidth(font, digit) + Padding;
    const int right = x + size - 1 - Inset;
    const int bottom = y + size - 1 - Inset;
    const int left = right - width + 1;
    const int top = bottom - (height + Padding) + 1;
    CaptionBox::box(target, left, top, right - left + 1, bottom - top + 1, false, false);
    drawText(font, target, left + Padding, top + Padding, digit);
}
