// Keeps a run between launches. The game hands it the run, as a checkpoint, at the start of every
// wave and when it closes between waves, lets it put a kept run in place of a new game when the
// game starts, and tells it when the run ends. The game keeps runs in a checkpoint file
// (CheckpointKeeper); tests put one in memory in its place, and without one nothing is kept.
#pragma once

#include "checkpoint/Checkpoint.h"

#include <functional>
#include <string>

class RunKeeper {
public:
    // Puts a kept run in place: returns why it cannot (the game then goes on as it was), or an
    // empty string.
    using Restore = std::function<std::string(const Checkpoint&)>;

    virtual ~RunKeeper() = default;
    // The game has just started with a new game: a kept run may take its place, through restore.
    virtual void resume(const Restore& restore) = 0;
    // A wave starts, or the game closes between waves: the run as it stands is kept.
    virtual void keep(const Checkpoint& run) = 0;
    // The run is over (game over, or the player asked for a new game): nothing is kept any more.
    virtual void forget() = 0;
};
