#include "hud/TowerFiguresPanel.h"

#include "control/TowerActions.h"
#include "game/WorldRenderer.h"
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
    const TowerFiguresPanel panel;
    const WorldRenderer renderer(*world);
    const auto subject = [&] { return panel.subject(renderer.view()); };
    input->pointAt(160, 100);
    frame(0.0);
    EXPECT_FALSE(subject().shown);

    input->pointAt(buttonCentre(2), ButtonMiddleY);
    frame(0.0);
    ASSERT_TRUE(subject().shown);
    EXPECT_EQ(subject().kind, 2);
    EXPECT_EQ(subject().tower, nullptr);
    EXPECT_GT(subject().now.range, 0.0);

    world->towers.push_back(world->createTower(2));
    Building& coil = *world->towers.back();
    coil.place(100);
    world->actions().select(coil);
    input->pointAt(buttonCentre(1), ButtonMiddleY); // the first upgrade path
    frame(0.0);
    ASSERT_TRUE(subject().shown);
    EXPECT_EQ(subject().tower, &coil);
    EXPECT_EQ(subject().path, 0);
    const int afterOneLevel = subject().after.damagePerHit;
    EXPECT_GT(afterOneLevel, subject().now.damagePerHit);

    coil.upgrade(0);
    EXPECT_EQ(subject().now.damagePerHit, afterOneLevel);
    input->pointAt(buttonCentre(0), ButtonMiddleY); // "Demolish" changes no figure
    frame(0.0);
    EXPECT_EQ(subject().path, -1);
    EXPECT_EQ(subject().after.damagePerHit, afterOneLevel);

    world->endGame();
    EXPECT_FALSE(subject().shown);
}
