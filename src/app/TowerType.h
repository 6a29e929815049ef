// Read-only catalogue records of the tower kinds and their upgrade paths, filled at start-up.
#pragma once

#include <string>
#include <vector>

class SpriteSheet;

struct UpgradeLevel {
    int icon = 0;   // index of the level's icon in the upgrade icon image
    int price = 0;
};

struct UpgradeType {
    std::string name;
    int levelCount = 0;
    std::vector<UpgradeLevel> levels; // level 1 is element 0
};

struct TowerType {
    std::string name;
    int price = 0;
    int width = 0;        // footprint used by the placement test
    bool available = false;
    SpriteSheet* spriteSheet = nullptr; // owned by the Application
    int upgradeCount = 0; // paths + 1: entry 0 is "Demolish"
    std::vector<UpgradeType> upgrades;

    // What demolishing a tower of this kind gives back: half its price.
    int refund() const { return price / 2; }
};
