#include "game/World.h"

#include "game/RecordStore.h"
#include "invaders/Invader.h"
#include "invaders/Squibble.h"
#include "invaders/SquibbleWave.h"
#include "support/WorldFixture.h"

#include <map>
#include <tuple>

namespace {

using Level = Difficulty::Level;

// Easy and Hard as a data set gives them, over the test content's Normal (health 20, money 100,
// 5 s between waves, Squibbles of 10 health worth 5, marching at 10 px/s in wave 1).
class WorldDifficulty : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        for (const auto& [key, value] :
             std::map<std::string, std::string>{{"Easy.StartingMoney", "250"},     {"Easy.StartingHealth", "40"},
                                                {"Easy.TimeBetweenWaves", "8"},    {"Hard.StartingHealth", "8"},
                                                {"Hard.InvaderHealthFactor", "1.3"}, {"Hard.InvaderSpeedFactor", "1.25"},
                                                {"Hard.RewardFactor", "0.6"}})
            app().config.set(key, value);
    }

    void playAt(Level level)
    {
        app().settings.set(PlayerSettings::Field::Difficulty, static_cast<int>(level));
        world->newGame();
    }
};

// Records kept in memory, one per difficulty, shared by the stores the World asks for.
struct Shelf {
    struct Store : RecordStore {
        explicit Store(std::optional<int>& kept) : kept(kept) {}
        std::optional<int> load() override { return kept; }
        Offer keepIfHigher(int waves) override
        {
            const std::optional<int> before = kept;
            if (waves > kept.value_or(0))
                kept = waves;
            return {before, false};
        }
        std::optional<int>& kept;
    };
    std::map<Level, std::optional<int>> kept{{Level::Easy, 9}, {Level::Normal, 3}, {Level::Hard, std::nullopt}};
};

} // namespace

TEST_F(WorldDifficulty, EachDifficultyStartsWithItsMoneyHealthAndPause)
{
    const std::tuple<Level, int, int, double> cases[] = {
        {Level::Easy, 40, 250, 8.0}, {Level::Normal, 20, 100, 5.0}, {Level::Hard, 8, 100, 5.0}};
    for (const auto& [level, health, money, pause] : cases) {
        playAt(level);
        EXPECT_EQ(world->difficulty.level, level);
        EXPECT_EQ(std::tuple(world->health, world->maxHealth, world->money), std::tuple(health, health, money))
            << Difficulty::nameOf(level);
        EXPECT_DOUBLE_EQ(world->waveTimer, pause);
        // The pause after a wave is the difficulty's too.
        world->update(pause);
        ASSERT_NE(world->currentWave, nullptr);
        world->currentWave->invaders.clear();
        world->update(0.0);
        EXPECT_DOUBLE_EQ(world->waveTimer, pause);
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
    const int money = world->money;
    world->currentWave->invaders.front()->takeDamage(shownHealth);
    EXPECT_EQ(world->money - money, 3) << "5 a kill, 0.6 times";
    EXPECT_EQ(world->statistics.totals().moneyFromKills, 3);
}

TEST_F(WorldDifficulty, ChoosingADifficultyKeepsItAndEnterPlaysItAgainWithItsOwnRecord)
{
    Shelf shelf;
    world->recordStoreFor = [&shelf](Level level) { return std::make_unique<Shelf::Store>(shelf.kept[level]); };
    world->newGame();
    EXPECT_EQ(world->bestRecord.best(), 3) << "Normal's record";
    world->waveNumber = 5;
    world->money = 1;
    world->startOver(Level::Hard);
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
    EXPECT_EQ(shelf.kept, (std::map<Level, std::optional<int>>{{Level::Easy, 9}, {Level::Normal, 3}, {Level::Hard, 7}}));
    world->startOver(Level::Easy);
    EXPECT_EQ(world->bestRecord.best(), 9);
}

TEST_F(WorldDifficulty, AFirstGamePlaysNormalAndKeepsItOnceItsFirstWaveStarts)
{
    ASSERT_FALSE(app().settings.inEffect().difficulty);
    EXPECT_EQ(world->difficulty.level, Level::Normal);
    world->update(2.0);
    EXPECT_FALSE(app().settings.inEffect().difficulty) << "still offered the others in the pause";
    world->update(3.0);
    ASSERT_NE(world->currentWave, nullptr);
    EXPECT_EQ(app().settings.inEffect().difficulty, Level::Normal);
}
