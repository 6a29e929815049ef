// What the keys ask of the game beyond the tower actions and the settings: answer the open
// dialog, call the next wave, start a new game after game over; and whether a key is held now.
#pragma once

#include <functional>

struct GameCommands {
    std::function<void(bool yes)> answerDialog;
    std::function<void()> callNextWave;
    std::function<void()> playAgain;
    std::function<bool(int scancode)> keyHeld;
};
