#include "hud/FirstLaunchHints.h"

#include "hud/FrameView.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// The frames a first launch shows, in order, and the hints each shows.
struct Step {
    const char* what;
    int wave;
    bool waiting;
    bool help;
    bool gameOver;
    bool controlsHint;
    bool difficultyHint;
};

void play(const Step* steps, std::size_t count, bool firstLaunch)
{
    FirstLaunchHints hints;
    for (std::size_t i = 0; i < count; ++i) {
        const Step& step = steps[i];
        FrameView view;
        view.waveNumber = step.wave;
        view.waitingForWave = step.waiting;
        view.helpShown = step.help;
        view.gameOver = step.gameOver;
        hints.follow(view, firstLaunch);
        EXPECT_EQ(std::pair(view.controlsHint, view.difficultyHint),
                  std::pair(step.controlsHint && firstLaunch, step.difficultyHint && firstLaunch))
            << step.what << (firstLaunch ? "" : ", not a first launch");
    }
}

} // namespace

TEST(FirstLaunchHints, ControlsUntilFoundOrWaveOneEndsDifficultiesThroughTheFirstPauseAndNeitherComesBack)
{
    const Step foundByH[] = {
        {"the first pause", 1, true, false, false, true, true},
        {"the controls shown", 1, true, true, false, false, true},
        {"the controls put away", 1, true, false, false, false, true},
        {"wave 1", 1, false, false, false, false, false},
    };
    const Step neverFound[] = {
        {"the first pause", 1, true, false, false, true, true},
        {"wave 1", 1, false, false, false, true, false},
        {"the pause after wave 1", 2, true, false, false, false, false},
    };
    const Step lostInWaveOne[] = {
        {"wave 1", 1, false, false, false, true, false},
        {"game over", 1, false, false, true, false, false},
        {"Enter: a new game's first pause", 1, true, false, false, false, false},
    };
    for (bool firstLaunch : {true, false}) {
        play(foundByH, std::size(foundByH), firstLaunch);
        play(neverFound, std::size(neverFound), firstLaunch);
        play(lostInWaveOne, std::size(lostInWaveOne), firstLaunch);
    }
}
