#include "autoplay/IdleStrategy.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/StrategyFactory.h"

#include "PlayerFixture.h"
#include "app/BackBuffer.h"
#include "effects/Effect.h"
#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "projectiles/Projectile.h"

#include <allegro.h>

#include <functional>
#include <vector>

using autoplay::IdleStrategy;
using autoplay::MixedStrategy;
using autoplay::Player;

namespace {

// What a run looked like every so many frames: the numbers on the screen, the objects on the
// field and a digest of the picture.
std::vector<double> trace(unsigned seed, long frames)
{
    MixedStrategy strategy;
    Player player(strategy, {seed, 1.0 / 30.0});
    std::vector<double> samples;
    for (long frame = 0; frame < frames; ++frame) {
        player.playFrame();
        if (frame % 50 != 0)
            continue;
        const World& world = player.world();
        samples.insert(samples.end(), {double(world.money), double(world.health), double(world.waveNumber),
                                       double(world.towers.size()), double(world.projectiles.size()),
                                       double(world.effects.size()), world.clouds.front().x});
        for (const auto& tower : world.towers)
            samples.push_back(tower->x);
        if (world.currentWave)
            for (const auto& invader : world.currentWave->invaders)
                samples.insert(samples.end(), {invader->x, invader->y, double(invader->health)});
        BITMAP* picture = Application::instance().backBuffer->bitmap;
        double digest = 0;
        for (int y = 0; y < picture->h; y += 3)
            for (int x = 0; x < picture->w; x += 3)
                digest = digest * 31 + getpixel(picture, x, y);
        samples.push_back(digest);
    }
    return samples;
}

} // namespace

using PlayerTest = PlayerFixture;

TEST_F(PlayerTest, RunsWithTheSameSeedAreIdentical)
{
    const std::vector<double> first = trace(7, 3000);
    const std::vector<double> second = trace(7, 3000);
    EXPECT_EQ(first, second);
    // The run went far enough to mean something: towers stood and invaders came.
    EXPECT_GT(first.size(), 60u * 10u);
}

TEST_F(PlayerTest, TheSeedDecidesTheClouds)
{
    EXPECT_NE(trace(7, 1), trace(8, 1));
}

TEST_F(PlayerTest, FrameTimeIsTheShippedThresholdUnlessAskedOtherwise)
{
    IdleStrategy strategy;
    app().config.set("TimestepThreshold", "0.02");
    EXPECT_DOUBLE_EQ(Player(strategy).frameTime(), 0.02);
    EXPECT_DOUBLE_EQ(Player(strategy, {1, 0.05}).frameTime(), 0.05);
    app().config.set("TimestepThreshold", "0");
    EXPECT_DOUBLE_EQ(Player(strategy).frameTime(), 1.0 / 60.0);
}

TEST_F(PlayerTest, EachFrameAdvancesTheGameByTheFrameTime)
{
    IdleStrategy strategy;
    Player player(strategy, {1, 0.25});
    const double timer = player.world().waveTimer;
    player.playFrames(4);
    EXPECT_NEAR(player.world().waveTimer, timer - 1.0, 1e-12);
    EXPECT_EQ(player.frameCount(), 4);
    // Tab held: eight times as long.
    Player tabbed(strategy, {1, 0.25, true});
    tabbed.playFrame();
    EXPECT_NEAR(tabbed.world().waveTimer, timer - 2.0, 1e-12);
}

TEST_F(PlayerTest, ReportsTheWaveInWhichAnUndefendedFieldFalls)
{
    IdleStrategy strategy;
    Player player(strategy, {1, 1.0 / 30.0});
    player.playUntilLost(60, 200000);

    // 16 of 20 health go in wave 1, the rest early in wave 2 (18 invaders).
    const autoplay::RunReport report = player.report();
    EXPECT_TRUE(player.world().gameOver);
    EXPECT_EQ(report.strategy, "idle");
    EXPECT_EQ(report.lostInWave, 2);
    EXPECT_EQ(report.wavesDefeated, 1);
    EXPECT_EQ(report.moneySpent, 0);
    EXPECT_EQ(report.moneyEarned, 0);
    EXPECT_EQ(report.towersBuilt, 0);
    EXPECT_EQ(report.frames, player.frameCount());
}

TEST_F(PlayerTest, BooksAddUpToTheMoneyOnTheScreen)
{
    MixedStrategy strategy;
    Player player(strategy, {3, 1.0 / 30.0});
    const int startingMoney = player.world().money;
    player.playFrames(6000);

    const autoplay::RunReport report = player.report();
    EXPECT_GT(report.moneyEarned, 0);
    EXPECT_GT(report.moneySpent, startingMoney);
    EXPECT_EQ(startingMoney + report.moneyEarned - report.moneySpent, player.world().money);
    EXPECT_EQ(report.towersBuilt, static_cast<int>(player.world().towers.size()));
}

TEST_F(PlayerTest, PlayingStopsAtTheLastWaveAsked)
{
    MixedStrategy strategy;
    Player player(strategy, {1, 1.0 / 30.0});
    player.world().money = 100000;
    player.playUntilLost(1, 200000);
    EXPECT_FALSE(player.world().gameOver);
    EXPECT_EQ(player.world().waveNumber, 2);
    EXPECT_EQ(player.report().lostInWave, 0);
    EXPECT_EQ(player.report().wavesDefeated, 1);
}

TEST_F(PlayerTest, TheWorldIsTheApplicationsOnlyWhileThePlayerLives)
{
    {
        IdleStrategy strategy;
        Player player(strategy);
        EXPECT_EQ(app().world, &player.world());
    }
    EXPECT_EQ(app().world, nullptr);
}

TEST(StrategyFactory, KnowsEveryStrategyByName)
{
    for (const std::string& name : autoplay::strategyNames()) {
        auto strategy = autoplay::makeStrategy(name);
        ASSERT_NE(strategy, nullptr) << name;
        EXPECT_EQ(strategy->name(), name);
    }
    EXPECT_EQ(autoplay::makeStrategy("cheat"), nullptr);
}

// Over a whole game, calling the waves early: the game's statistics, which the report reads,
// agree with the player's own count of what it bought and with the money on the screen.
TEST_F(PlayerTest, StatisticsMatchThePlayersOwnCountOverAWholeGame)
{
    // Invaders that toughen fast, so the game is lost within a few waves.
    app().invaderTypes[0].healthIncrease = 25;
    MixedStrategy strategy;
    autoplay::PlayOptions options{2, 1.0 / 30.0, true};
    options.callEarly = true;
    Player player(strategy, options);
    const int startingMoney = player.world().money;
    player.playUntilLost(60, 200000);
    ASSERT_TRUE(player.world().gameOver) << "wave " << player.world().waveNumber;

    const World& world = player.world();
    const StatisticsTotals& totals = world.statistics.totals();
    const autoplay::Ledger& own = player.ownCount();
    EXPECT_GT(totals.towersBuilt, 0);
    EXPECT_EQ(totals.towersBuilt, own.towersBuilt());
    EXPECT_EQ(totals.moneySpent(), own.moneySpent());
    EXPECT_EQ(totals.moneyEarned() + totals.moneyRefunded, own.moneyEarned(world));
    EXPECT_EQ(startingMoney + totals.moneyEarned() + totals.moneyRefunded - totals.moneySpent(), world.money);
    EXPECT_GT(totals.moneyFromEarlyCalls, 0);
    EXPECT_EQ(totals.wavesDefeated, world.waveNumber - 1);
    EXPECT_EQ(totals.moneyFromKills, totals.invadersDestroyed * app().invaderTypes[0].reward);
    EXPECT_GE(totals.invadersEscaped, 20);
    // Every invader of a defeated wave was destroyed or escaped.
    int sent = 0;
    for (int wave = 1; wave <= totals.wavesDefeated; ++wave)
        sent += 2 * wave + 14;
    EXPECT_GE(totals.invadersDestroyed + totals.invadersEscaped, sent);
    long long damage = 0;
    for (const autoplay::WaveRecord& row : player.waves())
        damage += row.damageDealt;
    EXPECT_EQ(damage, totals.damageByKind[0] + totals.damageByKind[1] + totals.damageByKind[2]);
    const autoplay::RunReport report = player.report();
    EXPECT_EQ(report.moneySpent, own.moneySpent());
    EXPECT_EQ(report.towersBuilt, own.towersBuilt());
    // Eight steps of 1/30 s a frame with Tab held; the frame that ended the game counts in part.
    const double frameSpan = 8.0 / 30.0;
    EXPECT_NEAR(totals.timePlayed, (player.frameCount() - 0.5) * frameSpan, 0.5 * frameSpan);

    // The new game's books start over; at most the rest of the frame Enter was pressed in counts.
    player.playAgain();
    StatisticsTotals fresh = player.world().statistics.totals();
    EXPECT_LT(fresh.timePlayed, frameSpan);
    fresh.timePlayed = 0.0;
    EXPECT_TRUE(fresh == StatisticsTotals());
}
