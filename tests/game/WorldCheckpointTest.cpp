#include "game/WorldCheckpoint.h"

#include "app/Application.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/Player.h"
#include "checkpoint/CheckpointText.h"
#include "checkpoint/RunKeeper.h"
#include "game/World.h"
#include "towers/Building.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr double FrameTime = 1.0 / 30.0;

// Keeps the text of every checkpoint, by wave, in a map of the test's.
struct MemoryKeeper : RunKeeper {
    explicit MemoryKeeper(std::map<int, std::string>& kept) : kept(kept) {}
    void resume(const Restore&) override {}
    void keep(const Checkpoint& run) override { kept[run.waveNumber] = CheckpointText::write(run); }
    void forget() override {}
    std::map<int, std::string>& kept;
};

// Games of several waves that still end within a few thousand frames.
void quickGames()
{
    testcontent::install();
    for (const auto& [key, value] : {std::pair{"StartingMoney", "300"}, {"TimeBetweenWaves", "2"},
                                     {"Wave1SpeedBase", "40"}, {"Wave1SpeedIncrease", "4"}, {"Wave1SpeedMax", "90"}})
        Application::instance().config.set(key, value);
    Application::instance().invaderTypes[0].healthIncrease = 6;
}

} // namespace

// Checkpoints of a game the scripted player plays, taken at several waves, load into a fresh
// World and save again to the same bytes, what each tower aims at included; the loaded game plays
// on to the same wave within one.
TEST(WorldCheckpoint, RoundTripsScriptedGamesAndPlaysOnAlike)
{
    quickGames();
    std::map<int, std::string> kept;
    autoplay::MixedStrategy strategy(2, TargetPriority::First);
    auto original = std::make_unique<autoplay::Player>(strategy, autoplay::PlayOptions{3, FrameTime});
    original->world().runKeeper = std::make_unique<MemoryKeeper>(kept);
    original->playUntilLost(1000, 40000);
    const int lostIn = original->report().lostInWave;
    ASSERT_GE(lostIn, 7) << "the game is too short to take checkpoints from";
    original.reset();

    for (int wave : {2, lostIn / 2, lostIn - 1}) {
        SCOPED_TRACE("checkpoint of wave " + std::to_string(wave));
        const CheckpointText::Parsed parsed = CheckpointText::parse(kept.at(wave));
        ASSERT_TRUE(parsed.checkpoint && !parsed.checkpoint->towers.empty()) << parsed.problem;
        EXPECT_TRUE(wave == 2 || kept.at(wave).find(" First ") != std::string::npos) << "no missile turret on First";
        autoplay::Player player(strategy, {static_cast<unsigned>(wave), FrameTime});
        World& world = player.world();
        ASSERT_EQ(WorldCheckpoint::restore(world, *parsed.checkpoint), "");
        EXPECT_TRUE(world.paused && world.resumed && world.waveNumber == wave);
        EXPECT_EQ(CheckpointText::write(WorldCheckpoint::capture(world)), kept.at(wave));
        world.paused = false;
        player.playUntilLost(1000, 40000);
        EXPECT_NEAR(player.report().lostInWave, lostIn, 1);
    }
}

// What the data set does not have, or a field the game could not have made, is refused with its
// reason, and the World is left as the new game it was.
TEST(WorldCheckpoint, RefusesWhatThisDataSetCannotPlay)
{
    const struct { int startingHealth; const char* tower; const char* reason; } cases[] = {
        {30, "", "starting health 30"},
        {20, "Tower=LaserTurret 150 4 0", "level 4"},
        {20, "Tower=LaserTurret 150 1 0 0", "3 upgrade paths"},
        {20, "Tower=TeslaCoil 200 0", "no tower kind TeslaCoil"},
        {20, "Tower=MissileTurret 400 0 0 0", "off the field"},
        {20, "Tower=MissileTurret 61 0 0 0", "tower 3: overlaps"},
    };
    const std::string valid = "squibble-siege checkpoint 1\nWave=3\nHealth=10\nMoney=40\n"
                              "Tower=LaserTurret 50 1 0\nTower=MissileTurret 100 0 2 1\n";
    for (const auto& test : cases) {
        SCOPED_TRACE(test.reason);
        quickGames();
        Application::instance().towerTypes[2].available = false;
        const auto parsed = CheckpointText::parse(valid + test.tower + "\nStartingHealth=" +
                                                  std::to_string(test.startingHealth));
        ASSERT_TRUE(parsed.checkpoint) << parsed.problem;
        autoplay::MixedStrategy strategy;
        autoplay::Player player(strategy);
        World& world = player.world();
        EXPECT_NE(WorldCheckpoint::restore(world, *parsed.checkpoint).find(test.reason), std::string::npos);
        EXPECT_TRUE(world.towers.empty() && world.waveNumber == 1 && !world.paused && world.money == 300);
        EXPECT_EQ(WorldCheckpoint::restore(world, *CheckpointText::parse(valid + "StartingHealth=20").checkpoint), "");
    }
}

// A tower resumes on the rule it was kept with ("Own": its kind's), if it may be stepped to it, and is
// kept again the same way.
TEST(WorldCheckpoint, RestoresEachTowersAimWhereItHasThatChoice)
{
    const std::pair<const char*, const char*> cases[] = {
        {"LaserTurret 50 0 0 First 1 1\nTower=TeslaCoil 100 0 0 Own 0", "First Nearest"},
        {"LaserTurret 50 0 0 First 1 0", "tower 1: LaserTurret cannot aim at First"},
    };
    for (const auto& [towers, expected] : cases) {
        quickGames();
        const auto parsed = CheckpointText::parse(
            std::string("squibble-siege checkpoint 3\nWave=3\nHealth=10\nStartingHealth=20\nMoney=40\nTower=") + towers);
        autoplay::MixedStrategy strategy;
        autoplay::Player player(strategy);
        std::string outcome = WorldCheckpoint::restore(player.world(), *parsed.checkpoint);
        if (outcome.empty()) { // saved again as it was loaded, "Own" staying "Own"
            EXPECT_EQ(CheckpointText::write(WorldCheckpoint::capture(player.world())), CheckpointText::write(*parsed.checkpoint));
        }
        for (const auto& tower : player.world().towers)
            outcome += (outcome.empty() ? "" : " ") + std::string(TargetPriority::nameOf(tower->aim));
        EXPECT_EQ(outcome, expected);
    }
}

// A run keeps its difficulty: each one's checkpoint resumes at it, with its starting health, in a
// World that played another; a checkpoint that does not name one is a Normal run.
TEST(WorldCheckpoint, ResumesEachDifficultyAndNormalWhenTheCheckpointDoesNotSay)
{
    using Level = Difficulty::Level;
    quickGames();
    Application::instance().config.set("Easy.StartingHealth", "30");
    Application::instance().config.set("Hard.StartingHealth", "12");
    autoplay::MixedStrategy strategy;
    for (const auto& [level, health] : {std::pair{Level::Easy, 30}, {Level::Normal, 20}, {Level::Hard, 12}}) {
        SCOPED_TRACE(Difficulty::nameOf(level));
        std::string kept;
        {
            autoplay::Player player(strategy, {1, FrameTime, false, 1, false, level});
            EXPECT_EQ(player.world().maxHealth, health);
            kept = CheckpointText::write(WorldCheckpoint::capture(player.world()));
        }
        EXPECT_NE(kept.find(std::string("\nDifficulty=") + Difficulty::nameOf(level) + "\n"), std::string::npos);
        const Level other = Difficulty::next(level, 1);
        autoplay::Player player(strategy, {1, FrameTime, false, 1, false, other});
        World& world = player.world();
        testing::internal::CaptureStderr();
        ASSERT_EQ(WorldCheckpoint::restore(world, *CheckpointText::parse(kept).checkpoint), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string("squibble-siege: the kept run goes on at ") + Difficulty::nameOf(level) + "; " +
                      Difficulty::nameOf(other) + " applies from the next new game\n");
        EXPECT_EQ(std::tuple(world.difficulty.level, world.maxHealth), std::tuple(level, health));
        EXPECT_EQ(CheckpointText::write(WorldCheckpoint::capture(world)), kept);
        // The kept run over, Enter plays the one chosen for this launch.
        world.endGame();
        player.playFrame();
        player.playAgain();
        EXPECT_EQ(std::pair(world.gameOver, world.difficulty.level), std::pair(false, other));
    }
    const auto parsed = CheckpointText::parse("squibble-siege checkpoint 1\nWave=2\nHealth=9\nStartingHealth=20\nMoney=5\n");
    ASSERT_TRUE(parsed.checkpoint);
    autoplay::Player player(strategy, {1, FrameTime, false, 1, false, Level::Hard});
    ASSERT_EQ(WorldCheckpoint::restore(player.world(), *parsed.checkpoint), "");
    EXPECT_EQ(player.world().difficulty.level, Level::Normal);
}
