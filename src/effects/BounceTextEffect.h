// A text shown at double size that pops in, bounces on its rest line, holds still and pops out:
// the banner at the start of every wave.
#pragma once

#include "assets/BitmapPtr.h"
#include "effects/Effect.h"

class BitmapFont;

class BounceTextEffect : public Effect {
public:
    // x is the horizontal centre of the doubled text, y its top at full size and the rest line.
    BounceTextEffect(int x, int y, const BitmapFont* font, const char* text);

    // Still while popping in, then falls under gravity and rebounds off restY until it freezes.
    void update(double dt) override;
    // The image stretched to double width; its height grows in, holds and shrinks out.
    void draw(BITMAP* destination) override;

    // Height factor of the drawn text at the current elapsed time: 0 to 1, below 0 once gone.
    float scale() const;

    double x = 0.0; // left edge of the drawn, double-width text
    double y = 0.0; // top edge of the text at full size
    BitmapPtr image;
    double velocity = 0.0; // pixels per second, down positive
    double restY = 0.0;
};
