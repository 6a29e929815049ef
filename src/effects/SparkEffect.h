// The tesla coil's lightning: a jagged white bolt with a one-pixel blue glow between two points,
// drawn once into its own bitmap and shown for a moment.
#pragma once

#include "assets/BitmapPtr.h"
#include "effects/Effect.h"

class SparkEffect : public Effect {
public:
    // Draws the bolt from (x1, y1) to (x2, y2) using rand() for its kinks. A bolt too long to
    // hold in a bitmap gets no image and shows nothing.
    SparkEffect(int x1, int y1, int x2, int y2);

    void draw(BITMAP* destination) override;

    double x = 0.0; // left edge of the bolt image
    double y = 0.0; // top edge of the bolt image
    BitmapPtr image;

private:
    void drawBolt(int startX, int startY, int endX, int endY, int white);
    void drawGlow(int white, int glow);
};
