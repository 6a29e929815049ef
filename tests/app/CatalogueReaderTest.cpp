#include "app/CatalogueReader.h"

#include "app/Config.h"

#include <gtest/gtest.h>

namespace {

Config configFrom(const char* text)
{
    Config config;
    config.loadFromText(text);
    return config;
}

} // namespace

TEST(CatalogueReader, ReadsPathsLevelsAndTheDemolishEntry)
{
    Config config = configFrom("Tower2.Name=Missile\nTower2.Value=75\nTower2.Width=14\nTower2.Available=1\n"
                               "Tower2.Upgrades=2\nTower2.Upgrade1.Name=Rate\nTower2.Upgrade1.Levels=3\n"
                               "Tower2.Upgrade1.Level1.Value=10\nTower2.Upgrade1.Level1.Icon=4\n"
                               "Tower2.Upgrade1.Level2.Value=20\nTower2.Upgrade1.Level3.Value=30\n"
                               "Tower2.Upgrade1.Level4.Value=99\nTower2.Upgrade2.Name=Blast\n");
    const TowerType type = CatalogueReader::readTowerType(config, 2);
    EXPECT_EQ(type.name, "Missile");
    EXPECT_EQ(type.price, 75);
    EXPECT_EQ(type.width, 14);
    EXPECT_TRUE(type.available);
    ASSERT_EQ(type.upgradeCount, 3);
    ASSERT_EQ(type.upgrades.size(), 3u);
    EXPECT_EQ(type.upgrades[0].name, "Demolish");
    EXPECT_EQ(type.upgrades[0].levelCount, 0);
    EXPECT_EQ(type.upgrades[1].name, "Rate");
    ASSERT_EQ(type.upgrades[1].levelCount, 3);
    EXPECT_EQ(type.upgrades[1].levels[0].price, 10);
    EXPECT_EQ(type.upgrades[1].levels[0].icon, 4);
    EXPECT_EQ(type.upgrades[1].levels[2].price, 30);
    EXPECT_FALSE(config.contains("Tower2.Upgrade1.Level4.Icon")); // level 4 is never read
    EXPECT_EQ(type.upgrades[2].name, "Blast");
    EXPECT_EQ(type.upgrades[2].levelCount, 0); // a path without a level count has no levels
}

TEST(CatalogueReader, AvailabilityIsAnyNonZeroNumber)
{
    Config config = configFrom("Tower1.Available=0\nTower2.Available=7\n");
    EXPECT_FALSE(CatalogueReader::readTowerType(config, 1).available);
    EXPECT_TRUE(CatalogueReader::readTowerType(config, 2).available);
    EXPECT_FALSE(CatalogueReader::readTowerType(config, 3).available);
}

TEST(CatalogueReader, NegativeCountsReadAsZero)
{
    Config config = configFrom("Tower1.Upgrades=-3\nTower2.Upgrades=1\nTower2.Upgrade1.Levels=-1\n");
    const TowerType laser = CatalogueReader::readTowerType(config, 1);
    EXPECT_EQ(laser.upgradeCount, 1);
    EXPECT_EQ(laser.upgrades.size(), 1u);
    EXPECT_EQ(CatalogueReader::readTowerType(config, 2).upgrades[1].levelCount, 0);
}

TEST(CatalogueReader, HugeCountsAreCapped)
{
    Config config = configFrom("Tower1.Upgrades=2000000000\nTower1.Upgrade1.Levels=2147483647\n");
    const TowerType type = CatalogueReader::readTowerType(config, 1);
    EXPECT_EQ(type.upgradeCount, CatalogueReader::MaxEntries + 1);
    EXPECT_EQ(type.upgrades[1].levelCount, CatalogueReader::MaxEntries);
    EXPECT_EQ(type.upgrades[1].levels.size(), static_cast<size_t>(CatalogueReader::MaxEntries));
}

TEST(CatalogueReader, ReadsTheInvaderRecord)
{
    Config config = configFrom("Invader1.Value=5\nInvader1.Health=10\nInvader1.HealthIncrease=2.5\n"
                               "Invader1.Size=7.5\nInvader2.Value=99\n");
    const InvaderType type = CatalogueReader::readInvaderType(config, 1);
    EXPECT_EQ(type.reward, 5);
    EXPECT_EQ(type.health, 10);
    EXPECT_DOUBLE_EQ(type.healthIncrease, 2.5);
    EXPECT_DOUBLE_EQ(type.size, 7.5);
    EXPECT_FALSE(config.contains("Invader2.Health"));
}
