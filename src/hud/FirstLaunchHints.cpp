#include "hud/FirstLaunchHints.h"

#include "hud/FrameView.h"

void FirstLaunchHints::follow(FrameView& view, bool firstLaunch)
{
    controlsFound = controlsFound || view.helpShown || view.waveNumber > 1 || view.gameOver;
    firstPauseOver = firstPauseOver || !view.waitingForWave || view.waveNumber > 1;
    show(view, firstLaunch);
}

void FirstLaunchHints::show(FrameView& view, bool firstLaunch) const
{
    view.controlsHint = firstLaunch && !controlsFound;
    view.difficultyHint = firstLaunch && !firstPauseOver;
}
