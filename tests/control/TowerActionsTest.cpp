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
        EXPECT_TRUE(actions().chooseKind(0) && actions().buildAt(centreX));
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
    EXPECT_FALSE(actions().buildAt(100) || actions().chooseKind(3) || actions().buyUpgrade(0));
    Building& tower = laserAt(100);
    actions().demolish();
    EXPECT_EQ(world->towers.size(), 1u) << "demolish needs a selection";
    actions().select(tower);
    EXPECT_FALSE(actions().buyUpgrade(-1) || actions().buyUpgrade(2) || actions().buyUpgrade(7));
    EXPECT_TRUE(actions().buyUpgrade(1));
    EXPECT_EQ(world->money, 40) << "only the launcher's 60 was charged";
}

// The placement rule the game builds by and the scripted player spaces its towers by: touching
// footprints overlap, and a margin widens the new footprint on both sides.
TEST_F(TowerActionsTest, FootprintsMustNotTouchAndAMarginKeepsThemFurtherApart)
{
    laserAt(100); // footprint 94 .. 106
    const TowerCatalogue catalogue{app().towerTypes.data(), static_cast<int>(app().towerTypes.size())};
    const struct {
        int centre;
        int margin;
        bool fits;
    } cases[] = {{112, 0, false}, {113, 0, true}, {88, 0, false}, {87, 0, true},
                 {114, 2, false}, {115, 2, true}, {86, 2, false}, {85, 2, true}};
    for (const auto& c : cases)
        EXPECT_EQ(TowerActions::fits(catalogue, world->towers, 0, c.centre, c.margin), c.fits)
            << "centre " << c.centre << ", margin " << c.margin;
}

// The keys count the bars' buttons from the left: the last kind and the last path stand leftmost.
TEST_F(TowerActionsTest, ButtonsCountedFromTheLeftReachTheKindsAndPathsFromTheRight)
{
    world->money = 1000;
    EXPECT_FALSE(actions().chooseKindAt(3) || actions().chooseKindAt(-1)) << "no fourth button";
    ASSERT_TRUE(actions().chooseKindAt(2));
    EXPECT_EQ(world->placingKind, 0) << "the rightmost button is kind 0";
    actions().cancel();
    Building& tower = laserAt(100);
    actions().select(tower);
    EXPECT_FALSE(actions().buyUpgradeAt(2)) << "two paths: no third button";
    ASSERT_TRUE(actions().buyUpgradeAt(0));
    EXPECT_TRUE(tower.upgradeLevels[0] == 0 && tower.upgradeLevels[1] == 1) << "the leftmost button is the last path";
}
