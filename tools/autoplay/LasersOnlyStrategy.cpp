#include "autoplay/LasersOnlyStrategy.h"

#include "autoplay/Gestures.h"
#include "game/World.h"
#include "towers/TowerKinds.h"

namespace autoplay {

void LasersOnlyStrategy::decide(const World& world, Gestures& hand)
{
    if (world.gameOver)
        return;
    switch (world.mode) {
    case Idle:
        if (world.money >= towerPrice(TowerKinds::Laser) && freeSpot(world, TowerKinds::Laser))
            clickBuildButton(hand, TowerKinds::Laser);
        break;
    case Placing: placeOrCancel(world, hand, TowerKinds::Laser); break;
    case TowerSelected: cancel(hand); break;
    default: break;
    }
}

} // namespace autoplay
