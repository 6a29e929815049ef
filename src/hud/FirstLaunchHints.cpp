#include "hud/FirstLaunchHints.h"

#include "control/WorldMode.h"
#include "hud/FrameView.h"

void FirstLaunchHints::follow(FrameView& view, bool firstLaunch)
{
    controlsFound = controlsFound || view.helpShown || view.waveNumber > 1 || view.gameOver;
    newGameFound = newGameFound || view.mode == NewGameDialog || view.gameOver;
    view.controlsHint = firstLaunch && !controlsFound;
    view.difficultyHint = firstLaunch && !newGameFound;
}
