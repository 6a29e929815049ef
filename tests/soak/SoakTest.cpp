#include "app/Application.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/Player.h"
#include "effects/Effect.h"
#include "game/World.h"
#include "projectiles/Projectile.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr double FrameTime = 1.0 / 30.0;
// Far more than any game gets to: the soak fails if the game has not ended by then.
constexpr long MaxFramesToGameOver = 60000;
constexpr long FramesAfterGameOver = 1000;
// Tab is held for every other stretch of this many frames: eight updates a frame, the mouse
// sampled again between them.
constexpr long TabStretch = 400;
// Bounds on what may be in flight at once. A full field of upgraded towers at its busiest keeps
// well under these; a list that is never emptied runs past them within seconds.
constexpr std::size_t MaxProjectiles = 250;
constexpr std::size_t MaxEffects = 1000;

// Checks, after every frame, what must hold in every frame of every game.
class FrameChecker {
public:
    explicit FrameChecker(const World& world) : lastHealth(world.health) {}

    void check(const World& world, long frame)
    {
        ASSERT_GE(world.money, 0) << "frame " << frame;
        ASSERT_LE(world.health, lastHealth) << "frame " << frame;
        lastHealth = world.health;
        for (const auto& projectile : world.projectiles)
            ASSERT_TRUE(projectile->alive) << "a spent projectile survived frame " << frame;
        for (const auto& effect : world.effects)
            ASSERT_FALSE(effect->finished()) << "a finished effect survived frame " << frame;
        ASSERT_LE(world.projectiles.size(), MaxProjectiles) << "frame " << frame;
        ASSERT_LE(world.effects.size(), MaxEffects) << "frame " << frame;
        mostProjectiles = std::max(mostProjectiles, world.projectiles.size());
        mostEffects = std::max(mostEffects, world.effects.size());
    }

    std::size_t mostProjectiles = 0;
    std::size_t mostEffects = 0;

private:
    int lastHealth;
};

} // namespace

// The mixed player plays a whole game to its end and on for a while behind "Game Over", holding
// Tab now and then; then the World is destroyed. Run under the sanitizers this also proves the game leaks nothing.
TEST(Soak, MixedPlayerPlaysToGameOverAndBeyondWithEveryFrameSound)
{
    testcontent::install();
    // A richer start and tougher waves than the synthetic defaults: the field fills with towers of
    // every kind and their shots, and the game still ends within a few thousand frames.
    Config& config = Application::instance().config;
    config.set("StartingMoney", "3000");
    config.set("Wave1SpeedBase", "30");
    config.set("TimeBetweenWaves", "2");
    config.set("Wave1SpeedIncrease", "3");
    config.set("Wave1SpeedMax", "40");
    Application::instance().invaderTypes[0].healthIncrease = 30;
    autoplay::MixedStrategy strategy;
    auto player = std::make_unique<autoplay::Player>(strategy, autoplay::PlayOptions{11, FrameTime});
    World& world = player->world();
    FrameChecker checker(world);

    long frame = 0;
    for (; frame < MaxFramesToGameOver && !world.gameOver; ++frame) {
        player->holdTab(frame / TabStretch % 2 == 1);
        player->playFrame();
        checker.check(world, frame);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    ASSERT_TRUE(world.gameOver) << "the game did not end in " << MaxFramesToGameOver << " frames (wave "
                                << world.waveNumber << ", " << world.towers.size() << " towers)";
    for (long after = 0; after < FramesAfterGameOver; ++after, ++frame) {
        player->holdTab(frame / TabStretch % 2 == 1);
        player->playFrame();
        checker.check(world, frame);
        if (::testing::Test::HasFatalFailure())
            return;
    }

    EXPECT_EQ(world.health, 0);
    EXPECT_GT(player->report().towersBuilt, 3);
    EXPECT_GT(checker.mostProjectiles, 0u);
    std::printf("soak: lost in wave %d after %ld frames; at most %zu projectiles and %zu effects\n",
                player->report().lostInWave, frame, checker.mostProjectiles, checker.mostEffects);
    player.reset();
    EXPECT_EQ(Application::instance().world, nullptr);
}
