#include "hud/MuteMark.h"

#include "assets/Palette.h"

#include <allegro.h>

namespace {

// k outline, W speaker, r the cross; '.' is left as it is. Colours from the art's palette.
constexpr const char* Picture[MuteMark::Height] = {
    "....kk.....",
    "...kWk.r..r",
    "kkkWWk..rr.",
    "kWWWWk..rr.",
    "kWWWWk.r..r",
    "kkkWWk.....",
    "...kWk.....",
    "....kk.....",
};

int colourOf(char letter)
{
    switch (letter) {
    case 'k': return Palette::colour(Palette::Ink);
    case 'W': return Palette::colour(Palette::PaleBlue);
    default: return Palette::colour(Palette::Red);
    }
}

} // namespace

void MuteMark::draw(BITMAP* target, int x, int y)
{
    if (!target)
        return;
    for (int row = 0; row < Height; ++row)
        for (int column = 0; column < Width; ++column)
            if (Picture[row][column] != '.')
                putpixel(target, x + column, y + row, colourOf(Picture[row][column]));
}
