// What the HUD's panels show in a frame, taken from the World once per frame: the one record every
// panel draws from, so that none of them reads the World itself.
#pragma once

#include "control/StillPicture.h"
#include "hud/FrameView.h"

class WaveKindsView;
class World;

class WorldView {
public:
    // The World as the panels see it now; kinds keeps the wave's kinds, worked out once per wave.
    static FrameView of(const World& world, WaveKindsView& kinds);
    // What a frame's picture is drawn from when game time stands still, for the redraw gate.
    static StillPicture still(const World& world);
};
