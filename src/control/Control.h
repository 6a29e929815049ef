// One row of the game's controls: the input as the player reads it, what it does, and, for a key,
// the scancodes that press it, the modes it acts in and the command it gives.
#pragma once

#include <vector>

struct Control {
    // The modes a key acts in, as bits: the build bar's three modes, the quit dialog, after game
    // over, while the game is paused (the pause and the help), and only while the help or the
    // new-game choice shows.
    enum When : unsigned {
        InIdle = 1,
        InPlacing = 2,
        InSelected = 4,
        InQuitDialog = 8, // the "Quit Game?" and "New Game?" dialogs
        AfterGameOver = 16,
        WhilePaused = 32,
        InHelp = 64,
        InNewGame = 128, // only while "New Game?" is open
        Playing = InIdle | InPlacing | InSelected,
        Always = Playing | InQuitDialog | AfterGameOver | WhilePaused,
    };
    // What a key row does; the mouse's rows and Tab (read as held, not pressed) give none.
    enum Command {
        None,
        ChooseKind,
        SteerPreview,
        Build,
        SelectNeighbour,
        BuyUpgrade,
        Demolish,
        StepAim,
        Cancel,
        QuitDialog,
        NewGameDialog,
        AnswerDialog,
        DebugOverlay,
        Mute,
        CallNextWave,
        Pause,
        SpeedStep,
        Volume,
        MusicVolume,
        FullScreen,
        Help,
        PlayAgain,
        TurnHelpPage,
        MoveChoice,
        SwitchMode,
    };

    const char* input;
    const char* does;
    std::vector<int> scancodes; // none for the mouse's rows
    unsigned when = 0;
    Command command = None;
};
