#include "hud/AimMark.h"

#include "assets/AnimatedSprite.h"
#include "assets/BitmapFont.h"
#include "assets/Palette.h"
#include "hud/CaptionBox.h"
#include "towers/Building.h"

#include <allegro.h>

namespace {

// k outline, W the sight; '.' is left as it is. Colours from the art's palette.
constexpr int IconSize = 16;
constexpr int SightSize = 11;
constexpr const char* Sight[SightSize] = {
    "....kWk....",
    "..kkkWkkk..",
    ".kW..W..Wk.",
    ".k...W...k.",
    "kW.......Wk",
    "WWWW.W.WWWW",
    "kW.......Wk",
    ".k...W...k.",
    ".kW..W..Wk.",
    "..kkkWkkk..",
    "....kWk....",
};
// The mark's patch stands this far above the tower's top.
constexpr int MarkRise = 2;
// A font without glyphs still gets a patch of this height.
constexpr int FallbackHeight = 6;

int colourOf(char letter)
{
    return letter == 'k' ? Palette::colour(Palette::Ink) : Palette::colour(Palette::Yellow);
}

} // namespace

void AimMark::drawIcon(BITMAP* target, int x, int y)
{
    if (!target)
        return;
    const int offset = (IconSize - SightSize) / 2;
    for (int row = 0; row < SightSize; ++row)
        for (int column = 0; column < SightSize; ++column)
            if (Sight[row][column] != '.')
                putpixel(target, x + offset + column, y + offset + row, colourOf(Sight[row][column]));
}

void AimMark::drawOnField(BITMAP* target, const std::list<std::unique_ptr<Building>>& towers,
                          const BitmapFont* font, int baseline)
{
    if (!target)
        return;
    for (const auto& tower : towers) {
        if (tower->aimsByDefault() || !tower->sprite)
            continue;
        const char initial[2] = {TargetPriority::nameOf(tower->aim)[0], '\0'};
        const int width = textWidth(font, initial);
        const BITMAP* glyph = font ? font->glyph(static_cast<unsigned char>(initial[0])) : nullptr;
        const int height = glyph ? glyph->h : FallbackHeight;
        const int centre = tower->x + tower->sprite->width() / 2;
        const int top = baseline - tower->sprite->height() - MarkRise - height - 2 * CaptionBox::Padding;
        CaptionBox::centred(target, centre, top + CaptionBox::Padding, width, height);
        drawText(font, target, centre - width / 2, top + CaptionBox::Padding, initial);
    }
}
