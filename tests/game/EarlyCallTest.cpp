#include "game/World.h"

#include "invaders/Invader.h"
#include "invaders/Wave.h"
#include "support/WorldFixture.h"

#include <allegro.h>

#include <functional>

namespace {

using EarlyCall = WorldFixture;

// The test content waits 5 s before the first wave; 2.6 s gone leaves 2 whole seconds.
constexpr double BeforeTheCall = 2.6;

} // namespace

TEST_F(EarlyCall, NInThePauseStartsTheWaveAndPaysForEveryWholeSecondLeft)
{
    frame(BeforeTheCall);
    const int money = world->money;
    input->pressKey(KEY_N);
    frame(0.0);
    ASSERT_TRUE(world->currentWave);
    EXPECT_EQ(world->waveNumber, 1);
    EXPECT_EQ(world->money, money + 2 * 2);
    EXPECT_EQ(world->statistics.totals().moneyFromEarlyCalls, 4);
    EXPECT_EQ(world->statistics.totals().moneyEarned(), 4);

    app().config.set("EarlyCallBonus", "7");
    world->currentWave->invaders.clear();
    frame(0.0); // the wave is defeated: the next one is 5 s away
    frame(1.5);
    input->pressKey(KEY_N);
    frame(0.0);
    EXPECT_EQ(world->waveNumber, 2);
    EXPECT_TRUE(world->currentWave);
    EXPECT_EQ(world->statistics.totals().moneyFromEarlyCalls, 4 + 3 * 7);

    // A huge bonus fills the purse up to the most a checkpoint holds, and no further, call after call.
    app().config.set("EarlyCallBonus", "240000000");
    world->money = 999999000;
    for (int wave = 3; wave <= 4; ++wave) {
        world->currentWave->invaders.clear();
        frame(0.0);
        frame(BeforeTheCall);
        input->pressKey(KEY_N);
        frame(0.0);
        EXPECT_EQ(std::pair(world->waveNumber, world->money), std::pair(wave, 1000000000));
    }
}

TEST_F(EarlyCall, NDoesNothingDuringAWaveWhilePausedInTheQuitDialogOrAtGameOver)
{
    struct Moment {
        const char* name;
        std::function<void(World&)> bringAbout;
    };
    const Moment moments[] = {
        {"during a wave", [](World& w) { w.waveTimer = 0.0; w.update(0.0); }},
        {"paused", [](World& w) { w.paused = true; }},
        {"in the quit dialog", [](World& w) { w.mode = QuitDialog; }},
        {"at game over", [](World& w) { w.endGame(); }},
    };
    for (const Moment& moment : moments) {
        world->playAgain();
        frame(BeforeTheCall);
        moment.bringAbout(*world);
        const int money = world->money;
        const bool waveRunning = world->currentWave != nullptr;
        const double timer = world->waveTimer;
        EXPECT_EQ(world->earlyCallBonus(), 0) << moment.name << ": the preview offers no bonus";
        input->pressKey(KEY_N);
        frame(0.0);
        EXPECT_EQ(world->money, money) << moment.name;
        EXPECT_EQ(world->currentWave != nullptr, waveRunning) << moment.name;
        EXPECT_EQ(world->waveTimer, timer) << moment.name;
        EXPECT_EQ(world->statistics.totals().moneyFromEarlyCalls, 0) << moment.name;
    }
}
