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

    void moveMouseTo(int x, int y)
    {
        input->pointAt(x, y);
        frame(0.0);
    }
};

} // namespace

TEST_F(TowerActionsTest, NeighboursAreFoundByPositionNotByBuildingOrder)
{
    EXPECT_FALSE(actions().selectNeighbour(1)) << "no tower to select";
    EXPECT_EQ(world->mode, Idle);
    Building& middle = laserAt(150);
    Building& right = laserAt(250);
    Building& left = laserAt(50);
    struct Step {
        int direction;
        bool moved;
        Building* selected;
    };
    const Step steps[] = {{-1, true, &left}, {-1, false, &left}, {1, true, &middle}, {1, true, &right},
                          {1, false, &right}, {-1, true, &middle}};
    for (const Step& step : steps) {
        EXPECT_EQ(actions().selectNeighbour(step.direction), step.moved);
        EXPECT_EQ(world->mode, TowerSelected);
        EXPECT_EQ(world->selectedTower, step.selected) << "x " << world->selectedTower->x;
    }
    actions().cancel();
    EXPECT_TRUE(actions().selectNeighbour(1));
    EXPECT_EQ(world->selectedTower, &right) << "with none selected, Right takes the rightmost";
}

TEST_F(TowerActionsTest, KeysMoveThePreviewUntilTheMouseMoves)
{
    laserAt(100); // footprint 94..106
    moveMouseTo(130, 150);
    ASSERT_TRUE(actions().chooseKind(0));
    EXPECT_EQ(actions().previewX(), 130) << "the preview starts at the mouse";
    actions().steerPreview(-8);
    actions().steerPreview(-8);
    actions().steerPreview(-1);
    frame(0.0);
    EXPECT_EQ(actions().previewX(), 113);
    EXPECT_TRUE(world->canPlaceTower());
    actions().steerPreview(-1);
    EXPECT_FALSE(world->canPlaceTower()) << "112 touches the laser at 100";
    EXPECT_FALSE(actions().buildAt(actions().previewX()));
    moveMouseTo(131, 150);
    EXPECT_EQ(actions().previewX(), 131) << "the mouse took the preview back";
    for (int press = 0; press < 50; ++press)
        actions().steerPreview(8);
    EXPECT_EQ(actions().previewX(), 319) << "the preview stays on the field";
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
    const int money = world->money;
    for (int path : {-1, 2, 7})
        EXPECT_FALSE(actions().buyUpgrade(path)) << path;
    EXPECT_EQ(world->money, money);
    EXPECT_TRUE(actions().buyUpgrade(1));
    EXPECT_EQ(world->money, money - 60);
    EXPECT_EQ(tower.upgradeLevels[1], 1);
}
