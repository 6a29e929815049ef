#include "hud/FirstLaunchHints.h"

#include "control/WorldMode.h"
#include "hud/FrameView.h"

void FirstLaunchHints::follow(FrameView& view, bool firstLaunch)
{
    controlsFound = controlsFound || view.helpShown || view.waveNumber > 1 || view.gameOver;
    newGameFound = newGameFound || view.mode == NewGameDialog || view.gameOver;
    show(view, firstLaunch);
}

void FirstLaunchHints::show(FrameView& view, bool firstLaunch) const
{
    view.controlsHint = firstLaunch && !controlsFound;
    view.difficultyHint = firstLaunch && !newGameFound;
}
