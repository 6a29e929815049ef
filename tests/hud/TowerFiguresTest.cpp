#include "hud/TowerFigures.h"

#include "support/TestWave.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"
#include "towers/TeslaCoil.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

// A tower of each kind with some upgrades, shooting for a minute of game time at one invader
// that stands still above it within the tesla's range, too tough to die and wide enough that
// every shot touches it as it leaves the tower: what is measured is the damage of the shots
// fired, not how well missiles steer.
struct Armed {
    const char* name;
    int kind;
    std::vector<int> paths; // one level bought of each, in order
};

const Armed Towers[] = {
    {"laser", 0, {}},
    {"laser with faster bolts", 0, {0, 0}},
    {"laser with launcher", 0, {1}},
    {"missile turret", 1, {}},
    {"missile turret, quick and double", 1, {0, 2}},
    {"tesla coil", 2, {}},
    {"tesla coil overcharged", 2, {0, 0}},
};

class TowerFiguresTest : public WorldFixture, public ::testing::WithParamInterface<Armed> {};

constexpr double Minute = 60.0;
constexpr double Frame = 1.0 / 60.0;
constexpr int Toughness = 1000000;
constexpr double TargetY = 150.0; // 26 pixels above the tesla's strike point
constexpr double WideEnough = 400.0;

} // namespace

TEST_P(TowerFiguresTest, ShownDamagePerSecondIsWhatTheTowerDealsOverAMinute)
{
    const Armed& armed = GetParam();
    world->towers.push_back(world->createTower(armed.kind));
    Building& tower = *world->towers.back();
    tower.place(100);
    for (const int path : armed.paths)
        tower.upgrade(path);
    SquibbleWave& wave = testwave::install(*world, 1);
    wave.speed = 0.0;
    Invader& target = testwave::at(wave, 0);
    target.health = target.maxHealth = Toughness;
    target.radius = WideEnough;
    testwave::centreAt(target, 100 + testcontent::TowerFrameWidth / 2, TargetY);
    world->waveTimer = -1.0;

    for (int frame = 0; frame < static_cast<int>(Minute / Frame); ++frame)
        world->update(Frame);

    const double shown = TowerFigures::of(tower).damagePerSecond;
    const double dealt = static_cast<double>(tower.tally->damage) / Minute;
    EXPECT_GT(shown, 0.0);
    EXPECT_NEAR(dealt, shown, 0.05 * shown) << armed.name;
    EXPECT_EQ(Toughness - target.health, tower.tally->damage);
    EXPECT_EQ(world->statistics.totals().damageByKind[static_cast<std::size_t>(armed.kind)], tower.tally->damage);
}

// Each case named after its tower, letters and digits only, so the names stay the same from run to run.
INSTANTIATE_TEST_SUITE_P(EveryKind, TowerFiguresTest, ::testing::ValuesIn(Towers),
                         [](const ::testing::TestParamInfo<Armed>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

TEST_F(WorldFixture, UpgradeFiguresShowWhatTheNextLevelChanges)
{
    world->towers.push_back(world->createTower(2));
    Building& coil = *world->towers.back();
    coil.place(100);
    const TowerFigures now = TowerFigures::of(coil);
    const TowerFigures after = TowerFigures::afterUpgrade(coil, 0, app().towerTypes[2]);
    coil.upgrade(0);
    const TowerFigures bought = TowerFigures::of(coil);
    EXPECT_GT(after.damagePerHit, now.damagePerHit);
    EXPECT_EQ(after.damagePerHit, bought.damagePerHit);
    EXPECT_DOUBLE_EQ(after.damagePerSecond, bought.damagePerSecond);
    EXPECT_DOUBLE_EQ(after.range, now.range);
    // A path the kind does not have changes nothing.
    EXPECT_DOUBLE_EQ(TowerFigures::afterUpgrade(coil, 5, app().towerTypes[2]).damagePerSecond, bought.damagePerSecond);

    // With a range modifier the next level reaches further, in the figures and in the coil's strikes.
    app().config.set("Tower3.Upgrade1.Level1.RangeMod", "12.5");
    const TowerFigures wider = TowerFigures::afterUpgrade(coil, 0, app().towerTypes[2]);
    EXPECT_DOUBLE_EQ(wider.range, now.range + 2 * 12.5);
    coil.upgrade(0);
    EXPECT_DOUBLE_EQ(static_cast<TeslaCoil&>(coil).range, wider.range);
    while (coil.upgradeLevels[0] < app().towerTypes[2].upgrades[1].levelCount)
        coil.upgrade(0);
    EXPECT_DOUBLE_EQ(TowerFigures::afterUpgrade(coil, 0, app().towerTypes[2]).range, static_cast<TeslaCoil&>(coil).range) << "a full path";
}
