// The two dialogs' buttons and answers, for the mouse and the keys alike. "Quit Game?" asks "Yes"
// or "No". "New Game?" offers "Easy", "Normal" and "Hard" on the line of "Yes", the difficulty
// played now marked, and "No" below as the way back: the pointer moving onto a difficulty, or Left
// and Right, put the focus on one; a click, Enter or Y starts it; "No", N or Esc goes back. Beside
// "No" stand "Classic" and "Mixed": a click on one, or Up and Down, chooses the mode started.
#pragma once

#include "control/WorldMode.h"
#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct DialogButton {
    enum Answer { Yes, No, Start, PickMode };
    Answer answer;
    Difficulty::Level level; // the difficulty a Start button begins
    const char* caption;
    // Both bounds inclusive, as every hit box of the game: x <= px <= x + width.
    int x;
    int y;
    int width;
    int height;
    GameMode mode = GameMode::Classic; // the mode a PickMode button chooses

    bool contains(int px, int py) const { return x <= px && px <= x + width && y <= py && py <= y + height; }
    int centreX() const { return x + width / 2; }
};

class DialogControls {
public:
    // The dialogs' titles are centred on this line.
    static constexpr int TitleTop = 90;

    struct Answers {
        // "Yes" to "Quit Game?".
        std::function<void()> quit;
        // A difficulty taken in "New Game?".
        std::function<void(GameMode, Difficulty::Level)> startOver;
    };

    // mode is the World's: a dialog is open while it is QuitDialog or
    // NewGameDialog, and "No" sets it back to Idle. played and playedMode are the game played's.
    DialogControls(int& mode, const Difficulty::Level& played, const GameMode& playedMode, Answers answers);

    // The buttons of the dialog open in mode; none for a mode that is no dialog.
    static const std::vector<DialogButton>& buttonsOf(WorldMode mode);

    // This frame's pointer, every frame: a difficulty it moves over takes the focus, and a left
    // click on a button of the open dialog answers with it. Nothing off the picture.
    void followPointer(int x, int y, bool onPicture, bool clicked);
    // Left (-1) or Right (1) in "New Game?": the focus moves one difficulty that way, and stays at
    // either end.
    void moveFocus(int step);
    // Up or Down in "New Game?": the other mode is chosen.
    void switchMode();
    // Y or Enter (yes), N (no) from the keys: "Yes" quits or starts the focused difficulty.
    void answer(bool yes);

    // The difficulty "New Game?" starts on yes: the one played until the focus moves.
    Difficulty::Level focused() const { return opened == mode ? focus : played; }
    Difficulty::Level current() const { return played; }
    // The mode "New Game?" starts: the one played until another is chosen.
    GameMode chosenMode() const { return opened == mode ? modeFocus : playedMode; }
    GameMode currentMode() const { return playedMode; }

private:
    // A dialog opened since the last look starts with the focus on the difficulty played.
    void follow();

    WorldModeRef mode;
    const Difficulty::Level& played;
    const GameMode& playedMode;
    Answers answers;
    int opened = -1;
    Difficulty::Level focus = Difficulty::Level::Normal;
    // Where the pointer was at the last look.
    std::optional<std::pair<int, int>> pointer;
    GameMode modeFocus = GameMode::Classic;
};
