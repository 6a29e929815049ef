#include "hud/TowerFigures.h"

#include "app/TowerType.h"
#include "towers/Building.h"
#include "towers/TowerRules.h"

#include <algorithm>
#include <array>

namespace {

// Shots per second at a period, paced the way Building::takeShots paces them.
double rateOf(float period)
{
    return 1.0 / (period > 0.0f ? period : Building::MinimumPeriod);
}

} // namespace

TowerFigures TowerFigures::of(int kind, const int* levels, int count)
{
    const TowerWeapons weapons = TowerRules::weaponsOf(kind, levels, count);
    TowerFigures figures;
    figures.damagePerHit = weapons.damage + weapons.splashDamage;
    figures.hitsPerSecond = rateOf(weapons.period) * weapons.missilesPerLaunch;
    figures.damagePerSecond = figures.damagePerHit * figures.hitsPerSecond;
    figures.range = weapons.range;
    figures.blastRadius = weapons.splashDamage > 0 ? weapons.splashRadius : 0.0;
    if (weapons.launcher) {
        figures.missileDamage = weapons.missileDamage;
        figures.missilesPerSecond = rateOf(weapons.missilePeriod);
        figures.damagePerSecond += figures.missileDamage * figures.missilesPerSecond;
    }
    return figures;
}

namespace {

// The tower's levels, as many paths as the rules know.
int levelsOf(const Building& tower, std::array<int, TowerRules::MostPaths>& levels)
{
    const int count = std::min(static_cast<int>(tower.upgradeLevels.size()), TowerRules::MostPaths);
    std::copy_n(tower.upgradeLevels.begin(), count, levels.begin());
    return count;
}

} // namespace

TowerFigures TowerFigures::of(const Building& tower)
{
    std::array<int, TowerRules::MostPaths> levels{};
    const int count = levelsOf(tower, levels);
    return of(tower.kind, levels.data(), count);
}

TowerFigures TowerFigures::afterUpgrade(const Building& tower, int path, const TowerType& type)
{
    std::array<int, TowerRules::MostPaths> levels{};
    const int count = levelsOf(tower, levels);
    // A full path has no next level to show: its figures stay as they are.
    const std::vector<UpgradeType>& paths = type.upgrades;
    const std::size_t entry = static_cast<std::size_t>(path) + 1;
    if (path >= 0 && path < count && entry < paths.size() && levels[entry - 1] < paths[entry].levelCount)
        ++levels[entry - 1];
    return of(tower.kind, levels.data(), count);
}
