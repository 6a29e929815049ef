#include "app/Application.h"
#include "autoplay/MixedStrategy.h"
#include "autoplay/Player.h"
#include "effects/Effect.h"
#include "game/World.h"
#include "projectiles/Projectile.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SQUIBBLE_HAS_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(SQUIBBLE_HAS_ASAN)
// AddressSanitizer's own count of the bytes in use (its header does not come with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

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

// Sets configuration keys over the synthetic defaults.
void setKeys(std::initializer_list<std::pair<const char*, const char*>> keys)
{
    for (const auto& [key, value] : keys)
        Application::instance().config.set(key, value);
}

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
    setKeys({{"StartingMoney", "3000"}, {"Wave1SpeedBase", "30"}, {"TimeBetweenWaves", "2"},
             {"Wave1SpeedIncrease", "3"}, {"Wave1SpeedMax", "40"}});
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

namespace {

// Bytes handed out by the allocator and not yet given back. AddressSanitizer's allocator counts
// them exactly. glibc counts the few freed blocks it caches per size for reuse as in use too, so
// its figure is exact only with that cache off: the test runner sets GLIBC_TUNABLES for that.
std::optional<std::size_t> heapInUse()
{
#if defined(__SANITIZE_ADDRESS__) || defined(SQUIBBLE_HAS_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#else
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (!tunables || !std::strstr(tunables, "glibc.malloc.tcache_count=0"))
        return std::nullopt;
    return mallinfo2().uordblks;
#endif
}

constexpr int GamesInARow = 20;
constexpr long MaxFramesPerGame = 20000;
constexpr int MaxWave = 1000;
constexpr long FramesBehindGameOver = 30;

} // namespace

// Twenty games in one window: each is played to game over, and Enter starts the next. Every game
// begins as empty as the first, and the heap at the start of game 20 is no larger than at the
// start of games 2 to 5: nothing of a finished game stays behind.
TEST(Soak, TwentyGamesInARowLeaveNothingBehind)
{
    testcontent::install();
    // Quick games that still fill the field with towers of every kind and their shots.
    setKeys({{"StartingMoney", "700"}, {"StartingHealth", "1"}, {"TimeBetweenWaves", "0.2"},
             {"Wave1SpeedBase", "150"}, {"Wave1SpeedIncrease", "20"}, {"Wave1SpeedMax", "200"}});
    autoplay::MixedStrategy strategy;
    auto player = std::make_unique<autoplay::Player>(strategy, autoplay::PlayOptions{5, FrameTime});
    World& world = player->world();

    std::optional<std::size_t> heapAtGame2;
    std::optional<std::size_t> heapAtGame20;
    int towersBuilt = 0;
    for (int game = 1; game <= GamesInARow; ++game) {
        ASSERT_TRUE(!world.gameOver && world.towers.empty() && world.projectiles.empty() && world.effects.empty());
        ASSERT_TRUE(world.currentWave == nullptr && world.money == 700);
        ASSERT_TRUE(player->report().moneySpent == 0 && player->report().lostInWave == 0 && player->waves().size() <= 1);
        player->hand().clear();
        // A few bytes come and go from one game to the next (a text one digit longer, say): the
        // most of games 2 to 5 is the mark that game 20 must not pass.
        if (game >= 2 && game <= 5) {
            const std::optional<std::size_t> now = heapInUse();
            if (now && (!heapAtGame2 || *now > *heapAtGame2))
                heapAtGame2 = now;
        }
        if (game == GamesInARow)
            heapAtGame20 = heapInUse();
        player->playUntilLost(MaxWave, MaxFramesPerGame);
        ASSERT_TRUE(world.gameOver) << "game " << game << " did not end";
        towersBuilt = std::max(towersBuilt, static_cast<int>(world.towers.size()));
        player->playFrames(FramesBehindGameOver); // shots still in flight behind the grey picture
        player->playAgain();
    }
    EXPECT_GT(towersBuilt, 3);
    if (heapAtGame2 && heapAtGame20) {
        EXPECT_LE(*heapAtGame20, *heapAtGame2) << "the heap grew between games 2 to 5 and game 20";
        std::printf("soak: heap at the start of games 2 to 5 at most: %zu bytes, of game 20: %zu\n", *heapAtGame2, *heapAtGame20);
    }
}
