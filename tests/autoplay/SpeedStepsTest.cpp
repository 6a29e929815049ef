#include "autoplay/LasersOnlyStrategy.h"

#include "PlayerFixture.h"

#include <cstdlib>

using autoplay::Player;

using SpeedStepsTest = PlayerFixture;

// The speed steps only lengthen each frame's game time, which the frame stepper cuts into the same
// short updates at every speed: a strategy's game ends in the same wave, give or take one.
TEST_F(SpeedStepsTest, AStrategyLosesInTheSameWaveAtEverySpeed)
{
    int lostAtFirst = 0;
    for (int speed : {1, 2, 4, 8}) {
        autoplay::LasersOnlyStrategy strategy;
        Player player(strategy, {1, 1.0 / 30.0, false, speed});
        player.world().health = 4; // so that the game ends sooner
        player.playUntilLost(60, 400000 / speed);
        const int lost = player.report().lostInWave;
        ASSERT_GT(lost, 1) << speed << "x never lost, or lost before the lasers stood";
        lostAtFirst = speed == 1 ? lost : lostAtFirst;
        EXPECT_LE(std::abs(lost - lostAtFirst), 1) << speed << "x lost in wave " << lost << ", 1x in " << lostAtFirst;
    }
}
