#include "game/FrameStepper.h"

#include "app/Application.h"
#include "game/RunHooks.h"
#include "game/World.h"

#include <cmath>

FrameStepper::FrameStepper(World& world)
    : world(world)
{
}

int FrameStepper::stepsFor(double gameSeconds)
{
    // Written so that not-a-number also takes one step.
    if (!(gameSeconds > LongestStep))
        return 1;
    const double steps = std::ceil(gameSeconds / LongestStep);
    return steps < MostStepsPerFrame ? static_cast<int>(steps) : MostStepsPerFrame;
}

int FrameStepper::advance(double dt, int speed)
{
    // A recording keeps the frame's time, a replay gives the recorded one.
    world.hooks->frameTime(dt, speed);
    const double gameSeconds = speed > 1 ? dt * speed : dt;
    const int steps = stepsFor(gameSeconds);
    const double step = steps == 1 ? gameSeconds : gameSeconds / steps;
    int done = 0;
    while (done < steps) {
        if (done > 0)
            world.app->sampleMouse();
        world.update(step);
        ++done;
        if (afterStep)
            afterStep();
        if (!world.running || world.hooks->cutFrame())
            break;
    }
    world.hooks->stepsDone();
    return done;
}
