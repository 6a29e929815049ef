#include "hud/TowerFiguresPanel.h"

#include "control/TowerActions.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

namespace {

using TowerFiguresPanelTest = WorldFixture;

// The middle of bar button i (19 pixels wide, 20 apart in the test content, the first at 300).
int buttonCentre(int i)
{
    return 309 - 20 * i;
}

constexpr int ButtonMiddleY = 229;

} // namespace

// What the panel and the range rings are about follows the build bar's hovered button and the
// selected tower's levels, frame by frame.
TEST_F(TowerFiguresPanelTest, SubjectFollowsTheHoveredButtonAndTheSelectedTower)
{
    const TowerFiguresPanel panel(*world);
    input->pointAt(160, 100);
    frame(0.0);
    EXPECT_FALSE(panel.subject().shown);

    input->pointAt(buttonCentre(2), ButtonMiddleY);
    frame(0.0);
    ASSERT_TRUE(panel.subject().shown);
    EXPECT_EQ(panel.subject().kind, 2);
    EXPECT_EQ(panel.subject().tower, nullptr);
    EXPECT_GT(panel.subject().now.range, 0.0);

    world->towers.push_back(world->createTower(2));
    Building& coil = *world->towers.back();
    coil.place(100);
    world->actions().select(coil);
    input->pointAt(buttonCentre(1), ButtonMiddleY); // the first upgrade path
    frame(0.0);
    ASSERT_TRUE(panel.subject().shown);
    EXPECT_EQ(panel.subject().tower, &coil);
    EXPECT_EQ(panel.subject().path, 0);
    const int afterOneLevel = panel.subject().after.damagePerHit;
    EXPECT_GT(afterOneLevel, panel.subject().now.damagePerHit);

    coil.upgrade(0);
    EXPECT_EQ(panel.subject().now.damagePerHit, afterOneLevel);
    input->pointAt(buttonCentre(0), ButtonMiddleY); // "Demolish" changes no figure
    frame(0.0);
    EXPECT_EQ(panel.subject().path, -1);
    EXPECT_EQ(panel.subject().after.damagePerHit, afterOneLevel);

    world->endGame();
    EXPECT_FALSE(panel.subject().shown);
}
