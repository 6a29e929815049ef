#include "app/CatalogueReader.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"

#include <algorithm>

int CatalogueReader::readCount(Config& config, const char* pattern, int a, int b)
{
    return std::clamp(config.getIntf(pattern, a, b), 0, MaxEntries);
}

TowerType CatalogueReader::readTowerType(Config& config, int number)
{
    TowerType type;
    type.name = config.getf(ConfigKeys::TowerName, number);
    type.price = config.getIntf(ConfigKeys::TowerPrice, number);
    type.width = config.getIntf(ConfigKeys::TowerWidth, number);
    type.available = config.getIntf(ConfigKeys::TowerAvailable, number) != 0;
    type.upgradeCount = readCount(config, ConfigKeys::TowerPaths, number) + 1;
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
    upgrade.name = config.getf(ConfigKeys::PathName, tower, path);
    upgrade.levelCount = readCount(config, ConfigKeys::PathLevels, tower, path);
    upgrade.levels.resize(upgrade.levelCount);
    for (int level = 1; level <= upgrade.levelCount; ++level) {
        upgrade.levels[level - 1].price = config.getIntf(ConfigKeys::LevelPrice, tower, path, level);
        upgrade.levels[level - 1].icon = config.getIntf(ConfigKeys::LevelIcon, tower, path, level);
    }
    return upgrade;
}

InvaderType CatalogueReader::readInvaderType(Config& config, int number)
{
    InvaderType type;
    type.reward = config.getIntf(ConfigKeys::InvaderReward, number);
    type.health = config.getIntf(ConfigKeys::InvaderHealth, number);
    type.healthIncrease = config.getDoublef(ConfigKeys::InvaderHealthIncrease, number);
    type.size = config.getDoublef(ConfigKeys::InvaderSize, number);
    type.name = config.getf(ConfigKeys::InvaderName, number);
    type.hint = config.getf(ConfigKeys::InvaderHint, number);
    type.armour = std::max(0, config.getIntf(ConfigKeys::InvaderArmour, number));
    type.shield = std::clamp(config.getIntf(ConfigKeys::InvaderShield, number), 0, MaxShieldPercent);
    type.shieldReturn = config.getDoublef(ConfigKeys::InvaderShieldReturn, number);
    // Left out, a landing costs one point as the Squibble's does.
    type.landingCost = std::clamp(config.getIntf(ConfigKeys::InvaderLanding, number), 0, MaxLandingCost);
    if (type.landingCost == 0)
        type.landingCost = 1;
    return type;
}
