// A small text that drifts up and to the right for one second: money gained, health lost.
#pragma once

#include "assets/BitmapPtr.h"
#include "effects/Effect.h"

class BitmapFont;

class TextEffect : public Effect {
public:
    // (x, y) is the text's top-left corner; the text is copied into the image at once.
    TextEffect(int x, int y, const BitmapFont* font, const char* text);

    void update(double dt) override;
    void draw(BITMAP* destination) override;

    double x = 0.0; // left edge of the text image
    double y = 0.0; // top edge of the text image
    BitmapPtr image;
};
