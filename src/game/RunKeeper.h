// Keeps a run between launches. The World hands it the run at the start of every wave and when
// the game closes between waves, lets it put a kept run in place of a new game when the game
// starts, and tells it when the run ends. The game keeps runs in a checkpoint file; tests put one
// in memory in its place, and without one nothing is kept.
#pragma once

class World;

class RunKeeper {
public:
    virtual ~RunKeeper() = default;

    // The game has just started with a new game: a kept run may take its place.
    virtual void resume(World& world) = 0;
    // A wave starts, or the game closes between waves: the run as it stands is kept.
    virtual void keep(const World& world) = 0;
    // The run is over (game over, or the player asked for a new game): nothing is kept any more.
    virtual void forget() = 0;
};
