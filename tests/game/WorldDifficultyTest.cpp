#include "game/World.h"

#include "files/PlainText.h"
#include "records/RecordStore.h"
#include "invaders/Invader.h"
#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"
#include "stats/RunLimits.h"
#include "support/WorldFixture.h"

#include <allegro.h>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Level = Difficulty::Level;

// Easy and Hard as a data set gives them, over the test content's Normal (health 20, money 100,
// 5 s between waves, Squibbles of 10 health worth 5, marching at 10 px/s in wave 1).
class WorldDifficulty : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        app().config.loadFromText("Easy.StartingMoney=250\nEasy.StartingHealth=40\nEasy.TimeBetweenWaves=8\n"
                                  "Hard.StartingHealth=8\nHard.InvaderHealthFactor=1.3\nHard.InvaderSpeedFactor=1.25\n"
                                  "Hard.RewardFactor=0.6\n");
    }

    void playAt(Level level)
    {
        app().settings.set(PlayerSettings::Field::Difficulty, static_cast<int>(level));
        world->newGame();
    }
};

// A record kept in memory by the test, one per difficulty.
struct Store : RecordStore {
    explicit Store(std::optional<int>& kept) : kept(kept) {}
    std::optional<int> load() override { return kept; }
    Offer keepIfHigher(int waves) override { return {waves > kept.value_or(0) ? std::exchange(kept, waves) : kept, false}; }
    std::optional<int>& kept;
};

} // namespace

TEST_F(WorldDifficulty, EachDifficultyStartsWithItsMoneyHealthAndPause)
{
    const std::tuple<Level, int, int, double> cases[] = {
        {Level::Easy, 40, 250, 8.0}, {Level::Normal, 20, 100, 5.0}, {Level::Hard, 8, 100, 5.0}};
    for (const auto& [level, health, money, pause] : cases) {
        playAt(level);
        EXPECT_EQ(std::tuple(world->health, world->maxHealth, world->money, world->waveTimer),
                  std::tuple(health, health, money, pause))
            << Difficulty::nameOf(level);
    }
}

TEST_F(WorldDifficulty, HardsWaveHasTheHealthAndSpeedThePanelShowsAndPaysItsReward)
{
    playAt(Level::Hard);
    // The wave panel reads these two with the game's difficulty.
    const int shownHealth = Squibble::healthFor(1, world->difficulty);
    const double shownSpeed = SquibbleWave::speedFor(1, world->difficulty);
    EXPECT_EQ(shownHealth, 13) << "10 health, 1.3 times";
    EXPECT_DOUBLE_EQ(shownSpeed, 12.5);
    world->update(5.0);
    ASSERT_NE(world->currentWave, nullptr);
    const auto& wave = static_cast<const SquibbleWave&>(*world->currentWave);
    EXPECT_DOUBLE_EQ(wave.speed, shownSpeed);
    for (const auto& invader : wave.invaders)
        ASSERT_EQ(invader->maxHealth, shownHealth);
    world->currentWave->invaders.front()->takeDamage(shownHealth);
    EXPECT_EQ(world->statistics.totals().moneyFromKills, 3) << "5 a kill, 0.6 times";
}

TEST_F(WorldDifficulty, ChoosingADifficultyKeepsItAndEnterPlaysItAgainWithItsOwnRecord)
{
    std::map<Level, std::optional<int>> kept{{Level::Easy, 9}, {Level::Normal, 3}, {Level::Hard, std::nullopt}};
    world->recordStoreFor = [&kept](GameMode, Level level) { return std::make_unique<Store>(kept[level]); };
    world->newGame();
    EXPECT_EQ(world->bestRecord.best(), 3) << "Normal's record";
    world->waveNumber = 5;
    world->money = 1;
    world->startOver(GameMode::Classic, Level::Hard);
    EXPECT_EQ(app().settings.inEffect().difficulty, Level::Hard);
    EXPECT_EQ(std::tuple(world->waveNumber, world->health, world->money), std::tuple(1, 8, 100));
    EXPECT_EQ(world->bestRecord.best(), 0) << "Hard has none yet";
    world->waveNumber = 3;
    world->endGame();
    EXPECT_TRUE(world->bestRecord.newBest());
    world->playAgain();
    EXPECT_EQ(world->difficulty.level, Level::Hard);
    EXPECT_EQ(world->bestRecord.best(), 2);
    world->waveNumber = 8;
    world->endGame();
    EXPECT_EQ(kept, (std::map<Level, std::optional<int>>{{Level::Easy, 9}, {Level::Normal, 3}, {Level::Hard, 7}}));
    world->startOver(GameMode::Classic, Level::Easy);
    EXPECT_EQ(world->bestRecord.best(), 9);
}

TEST_F(WorldDifficulty, NewGameOffersTheThreeByMouseAndByKeysStartingFromTheOnePlayed)
{
    playAt(Level::Normal);
    // In wave 4, the pointer at (x, y) and F2, then the keys and a click where the pointer is: the
    // difficulty played after, and whether the run was thrown away for a new one.
    const struct {
        const char* what;
        int x, y;
        std::vector<int> keys;
        bool click;
        Level played;
        bool started;
    } ways[] = {
        {"the choice stops at Hard", 10, 10, {KEY_RIGHT, KEY_RIGHT, KEY_RIGHT, KEY_ENTER}, false, Level::Hard, true},
        {"Left and Y from Hard", 10, 10, {KEY_LEFT, KEY_Y}, false, Level::Normal, true},
        {"the pointer onto Hard, then Enter", 205, 112, {KEY_ENTER}, false, Level::Hard, true},
        {"a click on Easy's right edge", 135, 118, {}, true, Level::Easy, true},
        {"N goes back", 10, 10, {KEY_LEFT, KEY_N}, false, Level::Easy, false},
        {"\"No\" goes back", 160, 122, {KEY_RIGHT}, true, Level::Easy, false},
        {"opened again, the choice starts on the one played", 10, 10, {KEY_ENTER}, false, Level::Easy, true},
    };
    for (const auto& way : ways) {
        world->waveNumber = 4;
        input->pointAt(way.x, way.y);
        input->pressKey(KEY_F2), frame(0.0);
        for (int key : way.keys)
            input->pressKey(key), frame(0.0);
        if (way.click)
            clickAt(way.x, way.y);
        EXPECT_EQ(std::tuple(world->difficulty.level, world->waveNumber, world->mode, app().settings.inEffect().difficulty),
                  std::tuple(way.played, way.started ? 1 : 4, int(Idle), std::optional(way.played)))
            << way.what;
    }
}

TEST_F(WorldDifficulty, ThePauseIsReadAtEachWavesEndAndTheWaveCounterStopsAtTheCheckpointsLast)
{
    const std::tuple<Level, const char*, double> cases[] = {{Level::Normal, "TimeBetweenWaves", 9.5},
                                                            {Level::Hard, "Hard.TimeBetweenWaves", 7.25}};
    for (const auto& [level, key, pause] : cases) {
        playAt(level);
        world->callNextWave();
        app().config.set(key, PlainText::real(pause));
        world->currentWave->invaders.clear();
        world->update(0.01);
        EXPECT_EQ(world->waveTimer, pause) << key;
    }
    world->waveNumber = RunLimits::MaxWave;
    world->callNextWave();
    world->currentWave->invaders.clear();
    world->update(0.01);
    EXPECT_EQ(world->waveNumber, RunLimits::MaxWave);
}
