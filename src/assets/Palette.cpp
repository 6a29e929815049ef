#include "assets/Palette.h"

#include <allegro.h>

int Palette::colour(PaletteColour c)
{
    return makecol(c.red, c.green, c.blue);
}
