// The small crossed-out speaker in the status row that tells the player the sound is off.
#pragma once

#include "app/Field.h"

struct BITMAP;

class MuteMark {
public:
    // Top-left of the mark: right of the health bar, on the status row.
    static constexpr int X = 68;
    static constexpr int Y = Field::StatusInner;
    static constexpr int Width = 11;
    static constexpr int Height = 8;

    // Draws the mark with its top-left at (x, y).
    static void draw(BITMAP* target, int x = X, int y = Y);
};
