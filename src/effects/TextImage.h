// Renders a text once into its own masked bitmap, for the effects that move or stretch a text
// as a single picture.
#pragma once

#include "assets/BitmapPtr.h"

class BitmapFont;

constexpr int TextImageHeight = 10;

// The width of the text image of a text: textWidth + 2, in 64 bits.
long long textImageWidth(const BitmapFont* font, const char* text);

// textImageWidth pixels wide and TextImageHeight high, cleared to the mask colour, with the text
// drawn at its top-left corner; taller glyphs are cut at the bottom. Null when that width is
// below 1 or above MaxDataSizedSide (a kerning far out of range), or the bitmap cannot be created.
BitmapPtr makeTextImage(const BitmapFont* font, const char* text);
