#include "autoplay/LasersOnlyStrategy.h"

#include "autoplay/Gestures.h"
#include "game/World.h"
#include "towers/TowerKinds.h"

namespace autoplay {

bool LasersOnlyStrategy::mayBuild(const World& world) const
{
    if (half && world.towers.size() >= HalfTowers)
        return false;
    return world.money - reserved >= towerPrice(TowerKinds::Laser);
}

void LasersOnlyStrategy::decide(const World& world, Gestures& hand)
{
    if (world.gameOver)
        return;
    // Every laser that went up sets its price aside.
    if (half && world.towers.size() > towersSeen)
        reserved += static_cast<int>(world.towers.size() - towersSeen) * towerPrice(TowerKinds::Laser);
    towersSeen = world.towers.size();
    switch (world.mode) {
    case Idle:
        if (mayBuild(world) && freeSpot(world, TowerKinds::Laser))
            clickBuildButton(hand, TowerKinds::Laser);
        break;
    // Placing goes on after a tower is built: the half-hearted kind stops there when it should.
    case Placing: mayBuild(world) ? placeOrCancel(world, hand, TowerKinds::Laser) : cancel(hand); break;
    case TowerSelected: cancel(hand); break;
    default: break;
    }
}

} // namespace autoplay
