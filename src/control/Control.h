// One row of the game's controls: the input as the player reads it, what it does, and, for a key,
// the scancodes that press it, the modes it acts in and what it runs.
#pragma once

#include <initializer_list>
#include <vector>

class KeyboardControls;

struct Control {
    // The modes a key acts in, as bits: the build bar's three modes, the quit dialog, after game
    // over, and while the game is paused (the pause and the help).
    enum When : unsigned {
        InIdle = 1,
        InPlacing = 2,
        InSelected = 4,
        InQuitDialog = 8, // the "Quit Game?" and "New Game?" dialogs
        AfterGameOver = 16,
        WhilePaused = 32,
        Playing = InIdle | InPlacing | InSelected,
        Always = Playing | InQuitDialog | AfterGameOver | WhilePaused,
    };
    using Action = void (KeyboardControls::*)(int scancode);

    const char* input;
    const char* does;
    std::vector<int> scancodes; // none for the mouse's rows
    unsigned when = 0;
    Action action = nullptr;
};
