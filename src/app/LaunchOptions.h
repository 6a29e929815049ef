// What the player chose on the command line: where the game folder is and how the screen looks.
#pragma once

#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"

#include <optional>
#include <string>

struct LaunchOptions {
    // The folder holding data/strings.txt; empty when the game should look for it.
    std::string dataFolder;
    // The window shows every back-buffer pixel as a block of scale x scale screen pixels.
    int scale = 2;
    bool fullscreen = false;
    bool mute = false;
    // --no-music: no music this game (the effects still play).
    bool music = true;
    // The difficulty of this launch's games when given; the settings' otherwise.
    std::optional<Difficulty::Level> difficulty;
    // --replay FILE: the kept run to watch instead of playing.
    std::string replayFile;
    // The mode of this launch's games when given; the settings' otherwise.
    std::optional<GameMode> mode;
};
