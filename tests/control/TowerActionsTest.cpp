#include "control/TowerActions.h"

#include "support/WorldFixture.h"
#include "towers/Building.h"

namespace {

// Test content: money 100, the laser costs 50 with a 12-pixel footprint and two upgrade paths
// (rate 20, 30, 40; launcher 60); a laser built centred on c stands at x = c - 8.
class TowerActionsTest : public WorldFixture {
protected:
    TowerActions& actions() { return world->actions(); }

    Building& laserAt(int centreX)
    {
        world->money += 50;
        EXPECT_TRUE(actions().chooseKind(0));
        EXPECT_TRUE(actions().buildAt(centreX));
        actions().cancel();
        return *world->towers.back();
    }
};

} // namespace

TEST_F(TowerActionsTest, NeighboursAreFoundByPositionNotByBuildingOrder)
{
    EXPECT_FALSE(actions().selectNeighbour(1)) << "no tower to select";
    Building& middle = laserAt(150);
    Building& right = laserAt(250);
    Building& left = laserAt(50);
    const std::pair<int, Building*> steps[] = {{-1, &left}, {-1, &left}, {1, &middle}, {1, &right}, {1, &right},
                                               {-1, &middle}};
    for (const auto& [direction, selected] : steps) {
        actions().selectNeighbour(direction);
        EXPECT_EQ(world->mode, TowerSelected);
        EXPECT_EQ(world->selectedTower, selected) << "x " << world->selectedTower->x;
    }
    actions().cancel();
    EXPECT_TRUE(actions().selectNeighbour(1));
    EXPECT_EQ(world->selectedTower, &right) << "with none selected, Right takes the rightmost";
}

TEST_F(TowerActionsTest, ActionsOutsideTheirModeOrPathsChangeNothing)
{
    EXPECT_FALSE(actions().buildAt(100)) << "not placing";
    EXPECT_FALSE(actions().chooseKind(3));
    EXPECT_FALSE(actions().buyUpgrade(0)) << "nothing selected";
    Building& tower = laserAt(100);
    actions().demolish();
    EXPECT_EQ(world->towers.size(), 1u) << "demolish needs a selection";
    actions().select(tower);
    for (int path : {-1, 2, 7})
        EXPECT_FALSE(actions().buyUpgrade(path)) << path;
    EXPECT_EQ(world->money, 100);
    EXPECT_TRUE(actions().buyUpgrade(1));
    EXPECT_EQ(world->money, 40);
    EXPECT_EQ(tower.upgradeLevels[1], 1);
}
