// Reads the tower and invader catalogue records from the configuration. Sprite sheets are left
// null; the content loader attaches them.
#pragma once

#include "app/InvaderType.h"
#include "app/TowerType.h"

class Config;

class CatalogueReader {
public:
    // Counts above this are capped, so a broken count cannot exhaust memory.
    static constexpr int MaxEntries = 64;
    // A shield soaks at most its invader's whole health; a landing costs at most this many points.
    static constexpr int MaxShieldPercent = 100;
    static constexpr int MaxLandingCost = 100;

    // Tower number 1..3: name, price, width, availability, "Demolish" plus the upgrade paths.
    static TowerType readTowerType(Config& config, int number);
    // Invader number 1..6: reward, health, health increase and hit radius; for the kinds after the
    // Squibble also name, hint, armour, shield and the cost of a landing.
    static InvaderType readInvaderType(Config& config, int number);

private:
    static UpgradeType readUpgradePath(Config& config, int tower, int path);
    static int readCount(Config& config, const char* pattern, int a, int b = 0);
};
