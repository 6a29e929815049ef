// Turns a World into a checkpoint and a checkpoint back into a World: the towers, money, health,
// wave and statistics of the run, checked against the data set the game has loaded.
#pragma once

#include "checkpoint/Checkpoint.h"

#include <string>

class World;

class WorldCheckpoint {
public:
    // The run as it stands. Called between waves or as a wave starts, when nothing is in flight
    // that a checkpoint needs.
    static Checkpoint capture(const World& world);
    // Hands the run as it stands, with the name of its replay, to the World's keeper (if any).
    static void keep(const World& world);

    // Sets the World up as the checkpoint's run at the start of its wave, paused, with the usual
    // pause before the wave; every tower placed by the game's own placement rule. Returns why it
    // cannot, or an empty string: a tower kind the data set does not have, an upgrade level beyond
    // a path's last, a tower off the field or overlapping another, another starting health. The
    // World is then left as it was.
    static std::string restore(World& world, const Checkpoint& checkpoint);
};
