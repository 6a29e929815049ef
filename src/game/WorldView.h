// What the HUD's panels show in a frame, taken from the World once per frame: the one record every
// panel draws from, so that none of them reads the World itself.
#pragma once

#include "hud/FrameView.h"

class WaveKindsView;
class World;

class WorldView {
public:
    // The World as the panels see it now; kinds keeps the wave's kinds, worked out once per wave.
    static FrameView of(const World& world, WaveKindsView& kinds);
};
