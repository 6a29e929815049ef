#include "autoplay/Ledger.h"

#include "app/Application.h"
#include "game/World.h"
#include "towers/Building.h"

namespace autoplay {

Ledger::Ledger(const World& world)
    : startingMoney(world.money)
{
    for (const auto& tower : world.towers)
        known[tower.get()] = tower->upgradeLevels;
}

void Ledger::observe(const World& world)
{
    const Application& app = Application::instance();
    std::map<const Building*, std::vector<int>> standing;
    for (const auto& tower : world.towers) {
        const Building* key = tower.get();
        auto earlier = known.find(key);
        std::vector<int> before(tower->upgradeLevels.size(), 0);
        if (earlier == known.end()) {
            ++built;
            spent += app.towerTypes[static_cast<std::size_t>(tower->kind)].price;
        } else {
            before = earlier->second;
        }
        for (std::size_t path = 0; path < tower->upgradeLevels.size() && path < before.size(); ++path)
            spent += priceOfLevels(*tower, static_cast<int>(path), before[path], tower->upgradeLevels[path]);
        standing[key] = tower->upgradeLevels;
    }
    known.swap(standing);
}

int Ledger::moneyEarned(const World& world) const
{
    return world.money - startingMoney + spent;
}

int Ledger::priceOfLevels(const Building& tower, int path, int from, int to) const
{
    const TowerType& type = Application::instance().towerTypes[static_cast<std::size_t>(tower.kind)];
    const std::size_t entry = static_cast<std::size_t>(path) + 1; // entry 0 is "Demolish"
    if (entry >= type.upgrades.size())
        return 0;
    const std::vector<UpgradeLevel>& levels = type.upgrades[entry].levels;
    int total = 0;
    for (int level = from; level < to && level < static_cast<int>(levels.size()); ++level)
        total += levels[static_cast<std::size_t>(level)].price;
    return total;
}

} // namespace autoplay
