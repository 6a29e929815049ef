#include "hud/FirstLaunchHints.h"

#include "hud/FrameView.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

// Three first launches frame by frame: {wave, waiting for it, help shown, game over} and the hints
// then shown {controls, difficulties}. No hint comes back once gone; none shows on a later launch.
TEST(FirstLaunchHints, ControlsUntilFoundOrWaveOneEndsDifficultiesThroughTheFirstPauseAndNeitherComesBack)
{
    using Frame = std::array<int, 6>;
    const std::vector<std::vector<Frame>> launches = {
        {{1, 1, 0, 0, 1, 1}, {1, 1, 1, 0, 0, 1}, {1, 1, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0}}, // H in the pause
        {{1, 1, 0, 0, 1, 1}, {1, 0, 0, 0, 1, 0}, {2, 1, 0, 0, 0, 0}},                    // wave 1 ends
        {{1, 0, 0, 0, 1, 0}, {1, 0, 0, 1, 0, 0}, {1, 1, 0, 0, 0, 0}},                    // lost, then Enter
    };
    for (bool firstLaunch : {true, false})
        for (std::size_t launch = 0; launch < launches.size(); ++launch) {
            FirstLaunchHints hints;
            for (const Frame& f : launches[launch]) {
                FrameView view;
                view.waveNumber = f[0], view.waitingForWave = f[1], view.helpShown = f[2], view.gameOver = f[3];
                hints.follow(view, firstLaunch);
                EXPECT_EQ(view.controlsHint, f[4] && firstLaunch) << "launch " << launch << ", wave " << f[0];
                EXPECT_EQ(view.difficultyHint, f[5] && firstLaunch) << "launch " << launch << ", wave " << f[0];
            }
        }
}
