// Helpers for tests that need invaders at known places: a fresh wave in the World and invaders
// moved so that their centres sit on given points.
#pragma once

#include "game/World.h"
#include "invaders/Invader.h"
#include "invaders/SquibbleWave.h"
#include "support/TestContent.h"

#include <iterator>
#include <memory>

namespace testwave {

// Replaces the World's current wave with a fresh wave of count invaders and returns it.
inline SquibbleWave& install(World& world, int count)
{
    world.currentWave = std::make_unique<SquibbleWave>(count);
    return static_cast<SquibbleWave&>(*world.currentWave);
}

// The invader at a position of the wave's list.
inline Invader& at(Wave& wave, int index)
{
    return **std::next(wave.invaders.begin(), index);
}

// Moves an invader so that the centre of its (synthetic, 16 x 12) frame is at (cx, cy).
inline void centreAt(Invader& invader, double cx, double cy)
{
    invader.x = cx - testcontent::InvaderFrameWidth / 2;
    invader.y = cy - testcontent::InvaderFrameHeight / 2;
}

} // namespace testwave
