// What a run's recording (or its replay) is told by the World: a game begins or is resumed, a
// frame's time, a pause taken from the window, the run kept, a wave defeated, the end. These hooks themselves change nothing:
// the World plays as ever.
#pragma once

#include <string>

struct BITMAP;
struct Checkpoint;
class World;

class RunHooks {
public:
    virtual ~RunHooks() = default;

    // A new game is being set up, before anything random is drawn for it.
    virtual void gameBegins(World&) {}
    // The frame's real seconds and speed as the game is to use them.
    virtual void frameTime(double& /*seconds*/, int& /*speed*/) {}
    // Whether a pause the window asked for is taken in this update.
    virtual bool pauseTaken(bool requested) { return requested; }
    // The game was set up as a kept run (checkpoint) resumed.
    virtual void resumed(World&, const Checkpoint&) {}
    // The run is being kept in a checkpoint as it stands: the name of the replay file that records
    // it so far (kept now too), or empty.
    virtual std::string runKept(const World&) { return {}; }
    virtual void waveDefeated(World&) {}
    virtual void gameOver(World&) {}
    // The main loop ended (the player quit or closed the window).
    virtual void closed(World&) {}
    // Whether the frame's remaining steps are dropped after this one (a new game began in it, and
    // its replay starts with the next frame).
    virtual bool cutFrame() { return false; }
    // The frame's steps are done: what the game reads from here to the next frame's first pointer
    // sample (the drawing) is not part of the run.
    virtual void stepsDone() {}
    // Drawn over the frame, just before it is shown.
    virtual void drawOver(BITMAP*) {}
};
