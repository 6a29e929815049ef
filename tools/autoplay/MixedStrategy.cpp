#include "autoplay/MixedStrategy.h"

#include "app/Application.h"
#include "autoplay/Gestures.h"
#include "game/World.h"
#include "towers/Building.h"
#include "towers/TowerKinds.h"

#include <numeric>
#include <utility>

namespace autoplay {

namespace {

int levelsBought(const World& world)
{
    int levels = 0;
    for (const auto& tower : world.towers)
        levels += std::accumulate(tower->upgradeLevels.begin(), tower->upgradeLevels.end(), 0);
    return levels;
}

} // namespace

MixedStrategy::MixedStrategy(int towersPerUpgrade, TargetPriority::Rule missileAim)
    : missileAim(missileAim)
    , rotation{TowerKinds::Laser, TowerKinds::Laser, TowerKinds::Tesla, TowerKinds::Missile}
    , towersPerUpgrade(towersPerUpgrade)
{
}

MixedStrategy::MixedStrategy(const char* name, Chooser chooser, int towersPerUpgrade)
    : MixedStrategy(towersPerUpgrade)
{
    shownName = name;
    this->chooser = std::move(chooser);
}

MixedStrategy::MixedStrategy(const char* name, std::vector<int> rotation, TargetPriority::Rule missileAim)
    : MixedStrategy(2, missileAim)
{
    shownName = name;
    this->rotation = std::move(rotation);
}

std::vector<int> MixedStrategy::missileLedRotation()
{
    return {TowerKinds::Laser, TowerKinds::Missile, TowerKinds::Tesla, TowerKinds::Missile};
}

void MixedStrategy::decide(const World& world, Gestures& hand)
{
    if (world.gameOver)
        return;
    const Purchase purchase = nextPurchase(world);
    const bool affordable = purchase.price > 0 && purchase.price <= world.money;
    switch (world.mode) {
    case Idle: decideIdle(world, hand); break;
    case Placing: placeOrCancel(world, hand, affordable ? purchase.kind : -1); break;
    case TowerSelected:
        if (world.selectedTower && needsAim(*world.selectedTower))
            clickAimButton(hand, *world.selectedTower);
        else if (affordable && purchase.tower == world.selectedTower)
            clickUpgradeButton(hand, purchase.path);
        else
            cancel(hand);
        break;
    default: break;
    }
}

bool MixedStrategy::needsAim(const Building& tower) const
{
    const std::vector<TargetPriority::Rule>& choices = tower.aimChoices();
    return !choices.empty() && choices.front() == TargetPriority::Random && tower.aim != missileAim;
}

void MixedStrategy::decideIdle(const World& world, Gestures& hand) const
{
    for (const auto& tower : world.towers) {
        if (needsAim(*tower)) {
            clickTower(hand, *tower);
            return;
        }
    }
    const Purchase purchase = nextPurchase(world);
    if (purchase.price <= 0 || purchase.price > world.money)
        return;
    if (purchase.kind >= 0)
        clickBuildButton(hand, purchase.kind);
    else if (purchase.tower)
        clickTower(hand, *purchase.tower);
}

int MixedStrategy::nextKind(const World& world) const
{
    if (chooser)
        return chooser(world);
    return rotation[world.towers.size() % rotation.size()];
}

MixedStrategy::Purchase MixedStrategy::nextPurchase(const World& world) const
{
    const std::optional<Purchase> tower = nextTower(world);
    const std::optional<Purchase> upgrade = cheapestUpgrade(world);
    const bool towerDue = static_cast<int>(world.towers.size()) < towersPerUpgrade * (levelsBought(world) + 1);
    if (tower && (towerDue || !upgrade))
        return *tower;
    return upgrade.value_or(Purchase{});
}

std::optional<MixedStrategy::Purchase> MixedStrategy::nextTower(const World& world) const
{
    const int kind = nextKind(world);
    if (!freeSpot(world, kind) || !app.towerTypes[static_cast<std::size_t>(kind)].available)
        return std::nullopt;
    Purchase purchase;
    purchase.price = towerPrice(kind);
    purchase.kind = kind;
    return purchase;
}

std::optional<MixedStrategy::Purchase> MixedStrategy::cheapestUpgrade(const World& world) const
{
    std::optional<Purchase> best;
    for (const auto& tower : world.towers) {
        for (int path = 0; path < pathCount(*tower); ++path) {
            const std::optional<int> price = nextLevelPrice(*tower, path);
            if (price && *price > 0 && (!best || *price < best->price))
                best = Purchase{*price, -1, tower.get(), path};
        }
    }
    return best;
}

} // namespace autoplay
