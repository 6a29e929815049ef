// The game states the frame benchmarks measure, each a running World driven the way the main
// loop drives it (through a FrameStepper): an empty field, a heavy late-game field, the heavy
// field with Tab held, and the greyed field after the end.
#pragma once

#include "autoplay/IdleStrategy.h"
#include "autoplay/Player.h"
#include "game/FrameStepper.h"

#include <memory>

class World;

class BenchScene {
public:
    // A new game with nothing on the field and no wave coming.
    static std::unique_ptr<BenchScene> empty();
    // Wave 40 (94 invaders) marching on 15 fully upgraded towers of all kinds, run until their
    // missiles, bolts and effects are in flight at a steady rate.
    static std::unique_ptr<BenchScene> heavy();
    // The heavy field with Tab held: every frame is eight updates and one draw.
    static std::unique_ptr<BenchScene> fastForward();
    // The heavy field after the game has ended: frozen, greyed, under "Game Over".
    static std::unique_ptr<BenchScene> gameOver();

    // One frame of the main loop: the mouse sample, the frame's updates and World::draw.
    void frame();
    // Only the mouse sample and the frame's updates.
    void update();
    // Keeps the heavy field heavy: a wave that has thinned out or come near the bottom is
    // replaced by a fresh one. Returns whether it did so (the caller keeps that out of timing).
    bool renewWave();

    World& world() { return player.world(); }

private:
    BenchScene();
    void buildTowers();
    void startWave();

    autoplay::IdleStrategy strategy;
    autoplay::Player player;
    FrameStepper stepper;
    bool tabHeld = false;
};
