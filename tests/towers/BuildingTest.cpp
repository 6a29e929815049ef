#include "towers/Building.h"

#include "effects/TextEffect.h"
#include "projectiles/LaserProjectile.h"
#include "support/WorldFixture.h"
#include "support/WorldLists.h"
#include "towers/LaserTurret.h"
#include "towers/MissileTurret.h"

#include <allegro.h>

#include <limits>

using testcontent::Baseline;
using worldlists::allOf;

namespace {

// Shared behaviour, seen through a laser turret at x = 100 (16 x 24 frames) with a chosen period.
class BuildingTest : public WorldFixture {
protected:
    LaserTurret& laserWithPeriod(const char* period)
    {
        app().config.set("Tower1.FreqBase", period);
        tower = std::make_unique<LaserTurret>();
        tower->place(100);
        return *tower;
    }
    std::size_t bolts() const { return allOf<LaserProjectile>(world->projectiles).size(); }

    std::unique_ptr<LaserTurret> tower;
};

} // namespace

TEST_F(BuildingTest, FirstShotComesHalfAPeriodAfterBuildingThenEveryPeriod)
{
    LaserTurret& laser = laserWithPeriod("2.0");
    laser.update(1.0);
    EXPECT_EQ(bolts(), 0u) << "a timer equal to the period waits";
    laser.update(0.001);
    EXPECT_EQ(bolts(), 1u);
    laser.update(1.998);
    EXPECT_EQ(bolts(), 1u);
    laser.update(0.002);
    EXPECT_EQ(bolts(), 2u);
}

TEST_F(BuildingTest, LongFrameFiresSeveralShotsAndKeepsTheRemainder)
{
    LaserTurret& laser = laserWithPeriod("1.0");
    laser.update(3.5);
    EXPECT_EQ(bolts(), 3u);
    EXPECT_FLOAT_EQ(laser.timer, 1.0f);
}

TEST_F(BuildingTest, PeriodsThatCannotPaceFireTwentyTimesASecond)
{
    for (const char* period : {"0", "nan"}) {
        LaserTurret& laser = laserWithPeriod(period);
        const std::size_t before = bolts();
        laser.update(1.01);
        EXPECT_EQ(bolts() - before, 20u) << period;
    }
}

TEST_F(BuildingTest, ShortPositivePeriodsFireAtTheirOwnRate)
{
    LaserTurret& laser = laserWithPeriod("0.02");
    laser.update(1.005);
    EXPECT_EQ(bolts(), 50u);
}

TEST_F(BuildingTest, TinyPeriodsFillTheFieldOnlyToItsLimit)
{
    LaserTurret& laser = laserWithPeriod("1e-6");
    laser.update(0.1);
    laser.update(0.1);
    EXPECT_EQ(bolts(), 300u) << "shots due beyond 300 live projectiles are spent unfired";
}

TEST_F(BuildingTest, AbsurdFramesNeitherHangNorFloodTheField)
{
    LaserTurret& laser = laserWithPeriod("0.05");
    laser.update(1.0e12);
    laser.update(std::numeric_limits<double>::infinity());
    laser.update(std::numeric_limits<double>::quiet_NaN());
    EXPECT_LE(bolts(), 1000u);
    world->projectiles.clear(); // the bolts have flown off the field
    laser.update(0.06);
    EXPECT_EQ(bolts(), 1u) << "the tower recovers and fires on";
}

TEST_F(BuildingTest, UpgradeCountersFollowTheKindsPaths)
{
    LaserTurret laser; // two paths plus the demolish entry
    laser.upgrade(1);
    laser.upgrade(1);
    EXPECT_EQ(laser.upgradeLevels, (std::vector<int>{0, 2, 0}));
}

TEST_F(BuildingTest, DrawsWithTheSpriteBottomOnTheBaseline)
{
    laserWithPeriod("1.0");
    BITMAP* target = create_bitmap(320, 240);
    clear_to_color(target, 0);
    tower->draw(target);
    EXPECT_NE(getpixel(target, 100, Baseline - 1), 0);
    EXPECT_NE(getpixel(target, 115, Baseline - testcontent::LaserFrameHeight), 0);
    EXPECT_EQ(getpixel(target, 100, Baseline), 0);
    EXPECT_EQ(getpixel(target, 100, Baseline - testcontent::LaserFrameHeight - 1), 0);
    destroy_bitmap(target);
}

TEST_F(BuildingTest, SaleRefundsHalfThePriceWithTextAtTheCentre)
{
    MissileTurret missileTurret; // priced 75
    missileTurret.place(100);
    const int before = world->money;
    missileTurret.sell();
    EXPECT_EQ(world->money, before + 37);
    auto texts = allOf<TextEffect>(world->effects);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->x, 108);
    EXPECT_EQ(texts[0]->y, Baseline - 12);
}

TEST_F(BuildingTest, TowerWithoutSheetIsInertAndSellsFromItsLeftEdge)
{
    app().towerTypes[0].spriteSheet = nullptr;
    LaserTurret laser;
    laser.place(100);
    EXPECT_EQ(laser.firstFrameWidth(), 0);
    laser.update(10.0);
    EXPECT_EQ(bolts(), 0u);
    laser.sell();
    auto texts = allOf<TextEffect>(world->effects);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->x, 100);
    EXPECT_EQ(texts[0]->y, Baseline);
}
