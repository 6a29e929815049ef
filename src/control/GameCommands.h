// What the keys ask of the game beyond the tower actions and the settings: answer the open
// dialog or move its choice, call the next wave, start a new game after game over; whether a key is held now, and the
// next key waiting in the keyboard's buffer (-1 for none).
#pragma once

#include <functional>

struct GameCommands {
    std::function<void(bool yes)> answerDialog;
    // Left (-1) or Right (1) among the difficulties of "New Game?".
    std::function<void(int step)> moveChoice;
    // Up or Down in "New Game?": the other mode, Classic or Mixed.
    std::function<void()> switchMode;
    std::function<void()> callNextWave;
    std::function<void()> playAgain;
    std::function<bool(int scancode)> keyHeld;
    std::function<int()> nextKey;
    // Whether the key is down on the keyboard itself, even where keyHeld lost track of it.
    std::function<bool(int scancode)> keyDown;
};
