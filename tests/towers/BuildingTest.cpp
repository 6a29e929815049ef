#include "towers/Building.h"

#include "assets/AnimatedSprite.h"
#include "effects/TextEffect.h"
#include "projectiles/LaserProjectile.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"
#include "towers/LaserTurret.h"
#include "towers/MissileTurret.h"

#include <allegro.h>

#include <cmath>
#include <limits>

using testcontent::Baseline;
using testcontent::LaserFrameHeight;
using testcontent::TowerFrameWidth;
using worldlists::allOf;

namespace {

class BuildingTest : public WorldFixture {
protected:
    // A laser turret placed at x = 100 with the given period.
    std::unique_ptr<LaserTurret> laserWithPeriod(const char* period)
    {
        app().config.set("Tower1.FreqBase", period);
        auto tower = std::make_unique<LaserTurret>();
        tower->place(100);
        return tower;
    }

    std::size_t bolts() const { return allOf<LaserProjectile>(world->projectiles).size(); }
};

} // namespace

TEST_F(BuildingTest, FirstShotComesHalfAPeriodAfterBuilding)
{
    auto tower = laserWithPeriod("2.0");
    tower->update(1.0);
    EXPECT_EQ(bolts(), 0u) << "a timer equal to the period waits";
    tower->update(0.001);
    EXPECT_EQ(bolts(), 1u);
    tower->update(1.998);
    EXPECT_EQ(bolts(), 1u);
    tower->update(0.002);
    EXPECT_EQ(bolts(), 2u) << "then one shot every 2.0 s";
}

TEST_F(BuildingTest, LongFrameFiresSeveralShotsAndKeepsTheRemainder)
{
    auto tower = laserWithPeriod("1.0");
    ASSERT_FLOAT_EQ(tower->timer, 0.5f);
    tower->update(3.5);
    EXPECT_EQ(bolts(), 3u);
    EXPECT_FLOAT_EQ(tower->timer, 1.0f) << "the comparison is strict: 1.0 is not above the period";
}

TEST_F(BuildingTest, PeriodsBelowTheFloorFireTwentyTimesASecond)
{
    for (const char* period : {"0", "0.01"}) {
        world->projectiles.clear();
        auto tower = laserWithPeriod(period);
        tower->update(1.01);
        EXPECT_EQ(bolts(), 20u) << "period " << period;
    }
}

TEST_F(BuildingTest, NegativePeriodWaitsOutItsStartThenPacesAtTheFloor)
{
    auto tower = laserWithPeriod("-1");
    EXPECT_FLOAT_EQ(tower->timer, -0.5f);
    tower->update(1.01);
    EXPECT_EQ(bolts(), 10u);
    tower->update(1.0);
    EXPECT_EQ(bolts(), 30u);
    EXPECT_FLOAT_EQ(tower->period, -1.0f) << "the floor paces; the period itself is kept";
}

TEST_F(BuildingTest, MissingPeriodKeyStillPacesAtTheFloor)
{
    app().config.set("Tower1.FreqBase", "");
    LaserTurret tower;
    tower.place(100);
    EXPECT_EQ(tower.period, 0.0f);
    tower.update(0.52);
    EXPECT_EQ(bolts(), 10u);
}

TEST_F(BuildingTest, AbsurdFramesNeitherHangNorFloodTheField)
{
    auto tower = laserWithPeriod("0.05");
    tower->update(1.0e12);
    EXPECT_LE(bolts(), 1000u);
    EXPECT_LE(tower->timer, 0.05f);
    const std::size_t afterHugeFrame = bolts();
    tower->update(std::numeric_limits<double>::infinity());
    tower->update(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(bolts(), afterHugeFrame);
    EXPECT_TRUE(std::isfinite(tower->timer));
    tower->update(0.06);
    EXPECT_EQ(bolts(), afterHugeFrame + 1) << "the tower recovers and fires on";
}

TEST_F(BuildingTest, UpgradeCountersFollowTheKindsPaths)
{
    LaserTurret tower;
    ASSERT_EQ(tower.upgradeLevels.size(), 3u) << "two paths plus the demolish entry";
    tower.upgrade(1);
    tower.upgrade(1);
    EXPECT_EQ(tower.upgradeLevels, (std::vector<int>{0, 2, 0}));
}

TEST_F(BuildingTest, UpgradeOfAPathTheKindLacksChangesNothing)
{
    LaserTurret tower;
    tower.upgrade(7);
    tower.upgrade(-1);
    EXPECT_EQ(tower.upgradeLevels, (std::vector<int>{0, 0, 0}));
}

TEST_F(BuildingTest, PlacingCreatesTheSpriteAndSetsTheLeftEdge)
{
    LaserTurret tower;
    EXPECT_EQ(tower.sprite, nullptr);
    tower.place(42);
    EXPECT_EQ(tower.x, 42);
    ASSERT_NE(tower.sprite, nullptr);
    EXPECT_EQ(tower.sprite->animation, 0);
    EXPECT_EQ(tower.firstFrameWidth(), TowerFrameWidth);
}

TEST_F(BuildingTest, DrawsWithTheSpriteBottomOnTheBaseline)
{
    auto tower = laserWithPeriod("1.0");
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    tower->draw(target);
    const int black = makecol(0, 0, 0);
    EXPECT_NE(getpixel(target, 100, Baseline - 1), black);
    EXPECT_NE(getpixel(target, 100 + TowerFrameWidth - 1, Baseline - LaserFrameHeight), black);
    EXPECT_EQ(getpixel(target, 100, Baseline), black);
    EXPECT_EQ(getpixel(target, 100, Baseline - LaserFrameHeight - 1), black);
    EXPECT_EQ(getpixel(target, 99, Baseline - 1), black);
    destroy_bitmap(target);
}

TEST_F(BuildingTest, SaleRefundsHalfThePriceWithTextAtTheCentre)
{
    MissileTurret tower; // priced 75
    tower.place(100);
    const int before = world->money;
    tower.sell();
    EXPECT_EQ(world->money, before + 37);
    auto texts = allOf<TextEffect>(world->effects);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->x, 100 + TowerFrameWidth / 2);
    EXPECT_EQ(texts[0]->y, Baseline - LaserFrameHeight / 2);
}

TEST_F(BuildingTest, FreeTowerRefundsNothing)
{
    app().towerTypes[0].price = 0;
    LaserTurret tower;
    tower.place(100);
    const int before = world->money;
    tower.sell();
    EXPECT_EQ(world->money, before);
    EXPECT_EQ(allOf<TextEffect>(world->effects).size(), 1u);
}

TEST_F(BuildingTest, TowerWithoutSheetIsInertAndSellsFromItsLeftEdge)
{
    app().towerTypes[0].spriteSheet = nullptr;
    LaserTurret tower;
    tower.place(100);
    EXPECT_EQ(tower.sprite, nullptr);
    EXPECT_EQ(tower.firstFrameWidth(), 0);
    tower.update(10.0);
    EXPECT_TRUE(world->projectiles.empty());

    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, makecol(0, 0, 0));
    tower.draw(target);
    EXPECT_EQ(getpixel(target, 100, Baseline - 1), makecol(0, 0, 0));
    destroy_bitmap(target);

    tower.sell();
    auto texts = allOf<TextEffect>(world->effects);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->x, 100);
    EXPECT_EQ(texts[0]->y, Baseline);
}
