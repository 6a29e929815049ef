#include "app/CatalogueReader.h"

#include "app/Config.h"

#include <algorithm>

int CatalogueReader::readCount(Config& config, const char* pattern, int a, int b)
{
    return std::clamp(config.getIntf(pattern, a, b), 0, MaxEntries);
}

TowerType CatalogueReader::readTowerType(Config& config, int number)
{
    TowerType type;
    type.name = config.getf("Tower%d.Name", number);
    type.price = config.getIntf("Tower%d.Value", number);
    type.width = config.getIntf("Tower%d.Width", number);
    type.available = config.getIntf("Tower%d.Available", number) != 0;
    type.upgradeCount = readCount(config, "Tower%d.Upgrades", number) + 1;
    type.upgrades.reserve(type.upgradeCount);
    UpgradeType demolish;
    demolish.name = "Demolish";
    type.upgrades.push_back(demolish);
    for (int path = 1; path < type.upgradeCount; ++path)
        type.upgrades.push_back(readUpgradePath(config, number, path));
    return type;
}

UpgradeType CatalogueReader::readUpgradePath(Config& config, int tower, int path)
{
    UpgradeType upgrade;
    upgrade.name = config.getf("Tower%d.Upgrade%d.Name", tower, path);
    upgrade.levelCount = readCount(config, "Tower%d.Upgrade%d.Levels", tower, path);
    upgrade.levels.resize(upgrade.levelCount);
    for (int level = 1; level <= upgrade.levelCount; ++level) {
        upgrade.levels[level - 1].price = config.getIntf("Tower%d.Upgrade%d.Level%d.Value", tower, path, level);
        upgrade.levels[level - 1].icon = config.getIntf("Tower%d.Upgrade%d.Level%d.Icon", tower, path, level);
    }
    return upgrade;
}

InvaderType CatalogueReader::readInvaderType(Config& config, int number)
{
    InvaderType type;
    type.reward = config.getIntf("Invader%d.Value", number);
    type.health = config.getIntf("Invader%d.Health", number);
    type.healthIncrease = config.getDoublef("Invader%d.HealthIncrease", number);
    type.size = config.getDoublef("Invader%d.Size", number);
    type.name = config.getf("Invader%d.Name", number);
    type.hint = config.getf("Invader%d.Hint", number);
    type.armour = std::max(0, config.getIntf("Invader%d.Armour", number));
    type.shield = std::clamp(config.getIntf("Invader%d.Shield", number), 0, MaxShieldPercent);
    type.shieldReturn = config.getDoublef("Invader%d.ShieldReturn", number);
    // Left out, a landing costs one point as the Squibble's does.
    type.landingCost = std::clamp(config.getIntf("Invader%d.Landing", number), 0, MaxLandingCost);
    if (type.landingCost == 0)
        type.landingCost = 1;
    return type;
}
