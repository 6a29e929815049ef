#include "autoplay/LasersOnlyStrategy.h"

#include "autoplay/Gestures.h"
#include "game/World.h"

namespace autoplay {

namespace {

constexpr int LaserKind = 0;

} // namespace

void LasersOnlyStrategy::decide(const World& world, Gestures& hand)
{
    if (world.gameOver)
        return;
    switch (world.mode) {
    case Idle:
        if (world.money >= towerPrice(LaserKind) && freeSpot(world, LaserKind))
            clickBuildButton(hand, LaserKind);
        break;
    case Placing: placeOrCancel(world, hand, LaserKind); break;
    case TowerSelected: cancel(hand); break;
    default: break;
    }
}

} // namespace autoplay
