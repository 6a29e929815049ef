// Turns a World into a checkpoint and a checkpoint back into a World: the towers, money, health,
// wave and statistics of the run, checked against the data set the game has loaded.
#pragma once

#include "checkpoint/Checkpoint.h"

#include <string>

class Application;
class World;

class WorldCheckpoint {
public:
    // The run as it stands. Called between waves or as a wave starts, when nothing is in flight
    // that a checkpoint needs.
    static Checkpoint capture(const World& world);

    // Why the checkpoint cannot be played with this data set: a tower kind it does not have, an
    // upgrade level beyond a path's last, a tower off the field, another starting health. Empty
    // when it can. Overlapping towers are found by restore.
    static std::string problemWith(const Checkpoint& checkpoint, Application& app);

    // Sets the World up as the checkpoint's run at the start of its wave, paused, with the usual
    // pause before the wave; every tower placed by the game's own placement rule. Returns why it
    // cannot (the World is then left as it was), or an empty string.
    static std::string restore(World& world, const Checkpoint& checkpoint);
};
