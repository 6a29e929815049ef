// Turns one frame of real time into game time. The frame's dt, eight times as long while Tab is
// held, runs through World::update in equal steps no longer than 1/60 s, so a bolt cannot jump
// over an invader and missiles steer as finely at 10 frames per second or under fast-forward as at
// 60. A frame of 1/60 s or less without Tab is exactly one update with the frame's own dt.
//
// The main loop, the scripted player, the balance report, the soak test and the benchmarks all
// advance the game through this class, so the tools measure the game as it is played. Drawing
// stays with the caller: one World::draw per frame, after advance.
#pragma once

#include <functional>

class World;

class FrameStepper {
public:
    // The longest step: 1/60 s with 1% to spare, so that the shipped frame time of 0.016667 s and
    // the frame clock's overshoot of a few microseconds stay one step.
    static constexpr double LongestStep = 1.01 / 60.0;
    // Beyond this many steps a frame's steps grow longer instead, so a stall of minutes costs one
    // bounded frame rather than hanging the game while it catches up.
    static constexpr int MostStepsPerFrame = 480;

    explicit FrameStepper(World& world);

    // Runs one frame of game time: dt real seconds times speed (taken as 1 when below 1; see
    // GameSpeed::of for Tab and the speed steps). The caller has sampled the mouse for the frame
    // (Application::waitForNextFrame does); before every further step the mouse is sampled again,
    // so a click seen by one step is not seen by the next and acts once. Keys are taken one per
    // update as always. Stops after the step that clears the World's running flag. Returns the
    // number of updates run.
    int advance(double dt, int speed);

    // The number of equal steps that cover this much game time: 1 for anything up to
    // LongestStep (0, negative and not-a-number included), at most MostStepsPerFrame.
    static int stepsFor(double gameSeconds);

    // Called after every update when set; the tools keep their books by it.
    std::function<void()> afterStep;

private:
    World& world;
};
