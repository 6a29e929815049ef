#include "hud/FirstLaunchHints.h"

#include "control/WorldMode.h"
#include "hud/FrameView.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

// Four first launches frame by frame: {wave, waiting for it, help shown, game over, "New Game?"
// open} and the hints then shown {controls, difficulties}. No hint comes back once gone; none
// shows on a later launch.
TEST(FirstLaunchHints, ControlsUntilFoundOrWaveOneEndsDifficultiesUntilF2OrTheFirstEndAndNeitherComesBack)
{
    using Frame = std::array<int, 7>;
    const std::vector<std::vector<Frame>> launches = {
        {{1, 1, 0, 0, 0, 1, 1}, {1, 1, 1, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 1}, {3, 1, 0, 0, 0, 0, 1}}, // H, waves
        {{1, 1, 0, 0, 0, 1, 1}, {1, 0, 0, 0, 0, 1, 1}, {2, 1, 0, 0, 0, 0, 1}},                    // wave 1 ends
        {{1, 0, 0, 0, 0, 1, 1}, {1, 0, 0, 1, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0}},                    // lost, then Enter
        {{1, 1, 0, 0, 1, 1, 0}, {1, 1, 0, 0, 0, 1, 0}},                                          // F2, then No
    };
    for (bool firstLaunch : {true, false})
        for (std::size_t launch = 0; launch < launches.size(); ++launch) {
            FirstLaunchHints hints;
            for (const Frame& f : launches[launch]) {
                FrameView view;
                view.waveNumber = f[0], view.waitingForWave = f[1], view.helpShown = f[2], view.gameOver = f[3];
                view.mode = f[4] ? NewGameDialog : Idle;
                hints.follow(view, firstLaunch);
                EXPECT_EQ(view.controlsHint, f[5] && firstLaunch) << "launch " << launch << ", wave " << f[0];
                EXPECT_EQ(view.difficultyHint, f[6] && firstLaunch) << "launch " << launch << ", wave " << f[0];
            }
        }
}
