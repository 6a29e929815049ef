// Shows the main loop's frames: every frame in which the game moves, and a frame in which game
// time stands still only when it would show something new; a still frame left undrawn sleeps until
// the next one is due instead of spinning, so a paused game costs the processor next to nothing.
#pragma once

#include "control/RedrawGate.h"

class World;

class StillFrames {
public:
    explicit StillFrames(World& world);

    // After a frame's updates: draws it (World::showFrame), or sleeps until the next frame is due;
    // nothing once the World has stopped running.
    void show();

private:
    World& world;
    RedrawGate gate;
};
