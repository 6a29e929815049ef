#include "autoplay/WaveLog.h"

#include "autoplay/IdleStrategy.h"
#include "autoplay/MixedStrategy.h"

#include "PlayerFixture.h"

#include <vector>

using autoplay::Player;
using autoplay::WaveRecord;

using WaveLogTest = PlayerFixture;

namespace {

constexpr double ShippedFrame = 0.016667;
constexpr long FrameLimit = 200000;

} // namespace

// No towers, no damage: also in the last frame, where more invaders escape at once than the
// player has health left and the game's end hides the rest of the escapes.
TEST_F(WaveLogTest, IdlePlayerDealsNoDamageAndLosesAPointPerEscape)
{
    autoplay::IdleStrategy strategy;
    Player player(strategy, {1, ShippedFrame});
    player.playUntilLost(10, FrameLimit);
    ASSERT_TRUE(player.world().gameOver);
    const std::vector<WaveRecord> rows = player.waves();
    ASSERT_EQ(static_cast<int>(rows.size()), player.report().lostInWave);
    int health = 20;
    for (const WaveRecord& row : rows) {
        EXPECT_EQ(row.invaders, 2 * row.wave + 14);
        EXPECT_EQ(row.damageDealt, 0) << "wave " << row.wave;
        EXPECT_LT(row.healthLeft, health);
        health = row.healthLeft;
    }
    EXPECT_EQ(health, 0);
}

// Played with Tab held, so every frame is eight updates: the books are kept after each one.
TEST_F(WaveLogTest, MixedPlayersWavesAddUpToTheGamesTotals)
{
    autoplay::MixedStrategy strategy;
    Player player(strategy, {1, ShippedFrame, true});
    player.playUntilLost(8, FrameLimit);
    const std::vector<WaveRecord> rows = player.waves();
    ASSERT_GE(rows.size(), 3u);
    int earned = 0;
    int spent = 0;
    int health = 20;
    int clearedWaves = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WaveRecord& row = rows[i];
        EXPECT_EQ(row.wave, static_cast<int>(i) + 1);
        EXPECT_EQ(row.invaders, 2 * row.wave + 14);
        EXPECT_LE(row.damageDealt, row.startingHealth);
        // A wave that ended with no escape was destroyed to the last point of health.
        if (row.healthLeft == health && i + 1 < rows.size()) {
            EXPECT_EQ(row.damageDealt, row.startingHealth) << "wave " << row.wave;
            ++clearedWaves;
        }
        earned += row.moneyEarned;
        spent += row.moneySpent;
        health = row.healthLeft;
    }
    EXPECT_GT(clearedWaves, 0);
    EXPECT_EQ(earned, player.report().moneyEarned);
    EXPECT_EQ(spent, player.report().moneySpent);
    EXPECT_EQ(rows.back().healthLeft, player.world().health);
    EXPECT_EQ(rows.back().towersStanding, static_cast<int>(player.world().towers.size()));
}
