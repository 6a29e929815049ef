#include "autoplay/MixedStrategy.h"

#include "app/Application.h"
#include "autoplay/Gestures.h"
#include "game/World.h"
#include "towers/Building.h"

namespace autoplay {

namespace {

constexpr int LaserKind = 0;
constexpr int MissileKind = 1;
constexpr int TeslaKind = 2;

} // namespace

MixedStrategy::MixedStrategy()
    : rotation{LaserKind, LaserKind, TeslaKind, MissileKind}
{
}

void MixedStrategy::decide(const World& world, Gestures& hand)
{
    if (world.gameOver)
        return;
    switch (world.mode) {
    case Idle: decideIdle(world, hand); break;
    case Placing: {
        // Placing goes on only while another tower of this kind is the best buy.
        const Purchase purchase = cheapestPurchase(world);
        placeOrCancel(world, hand, purchase.price <= world.money ? purchase.kind : -1);
        break;
    }
    case TowerSelected: {
        const int path = world.selectedTower ? affordablePath(world, *world.selectedTower) : -1;
        if (path >= 0)
            clickUpgradeButton(hand, path);
        else
            cancel(hand);
        break;
    }
    default: break;
    }
}

void MixedStrategy::decideIdle(const World& world, Gestures& hand) const
{
    const Purchase purchase = cheapestPurchase(world);
    if (purchase.price <= 0 || purchase.price > world.money)
        return;
    if (purchase.kind >= 0)
        clickBuildButton(hand, purchase.kind);
    else if (purchase.tower)
        clickTower(hand, *purchase.tower);
}

int MixedStrategy::nextKind(const World& world) const
{
    return rotation[world.towers.size() % rotation.size()];
}

MixedStrategy::Purchase MixedStrategy::cheapestPurchase(const World& world) const
{
    Purchase best;
    auto consider = [&best](const Purchase& candidate) {
        if (candidate.price > 0 && (best.price <= 0 || candidate.price < best.price))
            best = candidate;
    };
    if (freeSlot(world)) {
        const int kind = nextKind(world);
        if (app.towerTypes[static_cast<std::size_t>(kind)].available)
            consider({towerPrice(kind), kind, nullptr});
    }
    for (const auto& tower : world.towers)
        for (int path = 0; path < pathCount(*tower); ++path)
            if (const std::optional<int> price = nextLevelPrice(*tower, path))
                consider({*price, -1, tower.get()});
    return best;
}

int MixedStrategy::affordablePath(const World& world, const Building& tower) const
{
    int cheapest = -1;
    int cheapestPrice = 0;
    for (int path = 0; path < pathCount(tower); ++path) {
        const std::optional<int> price = nextLevelPrice(tower, path);
        if (price && *price <= world.money && (cheapest < 0 || *price < cheapestPrice)) {
            cheapest = path;
            cheapestPrice = *price;
        }
    }
    return cheapest;
}

} // namespace autoplay
