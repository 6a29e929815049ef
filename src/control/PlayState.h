// What the player's actions change, as references to the game's own fields: the mode of the
// on-screen controls, the tower being placed or selected, the purse, the towers, and
// the switches the keys turn (the pause, the debug overlay).
#pragma once

#include "control/WorldMode.h"

#include <list>
#include <memory>

class Building;
class Purse;

struct PlayState {
    WorldModeRef mode;
    int& placingKind;
    Purse& purse;
    std::list<std::unique_ptr<Building>>& towers;
    Building*& selectedTower;
    const bool& gameOver;
    bool& paused;
    // Set while the pause a kept run resumes in lasts.
    bool& resumed;
    bool& showDebug;
    // The game's speed step, 1x again in every new game.
    int& speedStep;
};
