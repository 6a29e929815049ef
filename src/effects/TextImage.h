// Renders a text once into its own masked bitmap, for the effects that move or stretch a text
// as a single picture.
#pragma once

#include "assets/BitmapPtr.h"

class BitmapFont;

constexpr int TextImageHeight = 10;

// textWidth + 2 pixels wide and TextImageHeight high, cleared to the mask colour, with the text
// drawn at its top-left corner; taller glyphs are cut at the bottom. Null if the bitmap cannot be
// created.
BitmapPtr makeTextImage(const BitmapFont* font, const char* text);
