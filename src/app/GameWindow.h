// Opens the game's screen as the player asked: a window of 320N x 240N pixels, or the whole
// desktop; where no full-screen mode can be set, the largest such window that fits the desktop.
#pragma once

#include "app/LaunchOptions.h"

#include <string>

class GameWindow {
public:
    // Needs the graphics library installed and the colour depth chosen. Returns the empty text
    // when a screen is open, else why none could be. notice receives one line for the player
    // when the screen is not the one asked for.
    static std::string open(const LaunchOptions& options, std::string& notice);
};
