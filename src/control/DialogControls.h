// The two dialogs' buttons and answers, for the mouse and the keys alike. "Quit Game?" asks "Yes"
// or "No". "New Game?" offers "Easy", "Normal" and "Hard" on the line of "Yes", the difficulty
// played now marked, and "No" below as the way back: the pointer moving onto a difficulty, or Left
// and Right, put the focus on one; a click, Enter or Y starts it; "No", N or Esc goes back.
#pragma once

#include "difficulty/Difficulty.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct DialogButton {
    enum Answer { Yes, No, Start };
    Answer answer;
    Difficulty::Level level; // the difficulty a Start button begins
    const char* caption;
    // Both bounds inclusive, as every hit box of the game: x <= px <= x + width.
    int x;
    int y;
    int width;
    int height;

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
        std::function<void(Difficulty::Level)> startOver;
    };

    // mode is the World's (a WorldMode): a dialog is open while it is QuitDialog or
    // NewGameDialog, and "No" sets it back to Idle. played is the difficulty of the game played.
    DialogControls(int& mode, const Difficulty::Level& played, Answers answers);

    // The buttons of the dialog open in mode; none for a mode that is no dialog.
    static const std::vector<DialogButton>& buttonsOf(int mode);

    // This frame's pointer, every frame: a difficulty it moves over takes the focus, and a left
    // click on a button of the open dialog answers with it. Nothing off the picture.
    void followPointer(int x, int y, bool onPicture, bool clicked);
    // Left (-1) or Right (1) in "New Game?": the focus moves one difficulty that way, and stays at
    // either end.
    void moveFocus(int step);
    // Y or Enter (yes), N (no) from the keys: "Yes" quits or starts the focused difficulty.
    void answer(bool yes);

    // The difficulty "New Game?" starts on yes: the one played until the focus moves.
    Difficulty::Level focused() const { return opened == mode ? focus : played; }
    Difficulty::Level current() const { return played; }

private:
    // A dialog opened since the last look starts with the focus on the difficulty played.
    void follow();

    int& mode;
    const Difficulty::Level& played;
    Answers answers;
    int opened = -1;
    Difficulty::Level focus = Difficulty::Level::Normal;
    // Where the pointer was at the last look.
    std::optional<std::pair<int, int>> pointer;
};
