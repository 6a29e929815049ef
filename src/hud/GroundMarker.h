// The marker at the field's left edge that shows how far the wave's lowest row has come: a thin
// track from the top of the field to the ground, yellow over the last two steps where the warning
// sounds, and a notch at the lowest row's height, red once it is in that stretch.
#pragma once

struct BITMAP;
struct FrameView;

class GroundMarker {
public:
    static void draw(BITMAP* target, const FrameView& view);
};
