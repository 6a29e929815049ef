#include "control/DialogControls.h"

#include "control/WorldMode.h"

#include <algorithm>

namespace {

using Level = Difficulty::Level;

constexpr int ButtonWidth = 40;
constexpr int ButtonHeight = 8;
constexpr int CentreLeft = 140;
constexpr int SideStep = 45;
constexpr int FirstLine = 110;
constexpr int SecondLine = 120;

} // namespace

DialogControls::DialogControls(int& mode, const Difficulty::Level& played, const GameMode& playedMode,
                               Answers answers)
    : mode(mode)
    , played(played)
    , playedMode(playedMode)
    , answers(std::move(answers))
{
}

const std::vector<DialogButton>& DialogControls::buttonsOf(WorldMode mode)
{
    using B = DialogButton;
    static const std::vector<DialogButton> none;
    static const std::vector<DialogButton> quit = {
        {B::Yes, Level::Normal, "Yes", CentreLeft, FirstLine, ButtonWidth, ButtonHeight},
        {B::No, Level::Normal, "No", CentreLeft, SecondLine, ButtonWidth, ButtonHeight},
    };
    static const std::vector<DialogButton> newGame = {
        {B::Start, Level::Easy, "Easy", CentreLeft - SideStep, FirstLine, ButtonWidth, ButtonHeight},
        {B::Start, Level::Normal, "Normal", CentreLeft, FirstLine, ButtonWidth, ButtonHeight},
        {B::Start, Level::Hard, "Hard", CentreLeft + SideStep, FirstLine, ButtonWidth, ButtonHeight},
        {B::No, Level::Normal, "No", CentreLeft, SecondLine, ButtonWidth, ButtonHeight},
        {B::PickMode, Level::Normal, "Classic", CentreLeft - SideStep, SecondLine, ButtonWidth, ButtonHeight,
         GameMode::Classic},
        {B::PickMode, Level::Normal, "Mixed", CentreLeft + SideStep, SecondLine, ButtonWidth, ButtonHeight,
         GameMode::Mixed},
    };
    return mode == QuitDialog ? quit : mode == NewGameDialog ? newGame : none;
}

void DialogControls::follow()
{
    if (opened == mode)
        return;
    opened = mode;
    focus = played;
    modeFocus = playedMode;
}

void DialogControls::followPointer(int x, int y, bool onPicture, bool clicked)
{
    follow();
    const std::vector<DialogButton>& buttons = buttonsOf(mode);
    const auto found = std::find_if(buttons.begin(), buttons.end(),
                                    [x, y](const DialogButton& button) { return button.contains(x, y); });
    const DialogButton* button = onPicture && found != buttons.end() ? &*found : nullptr;
    // A pointer merely resting where a dialog opens over it is no choice: only one that moves is.
    const bool moved = pointer && *pointer != std::pair(x, y);
    pointer = std::pair(x, y);
    if (moved && button && button->answer == DialogButton::Start)
        focus = button->level;
    if (!button || !clicked)
        return;
    if (button->answer == DialogButton::PickMode) {
        modeFocus = button->mode;
        return;
    }
    if (button->answer == DialogButton::Start)
        focus = button->level;
    answer(button->answer != DialogButton::No);
}

void DialogControls::moveFocus(int step)
{
    follow();
    const int index = std::clamp(static_cast<int>(focus) + step, 0, Difficulty::LevelCount - 1);
    focus = static_cast<Level>(index);
}

void DialogControls::switchMode()
{
    follow();
    modeFocus = modeFocus == GameMode::Classic ? GameMode::Mixed : GameMode::Classic;
}

void DialogControls::answer(bool yes)
{
    follow();
    // Answered, the dialog is over: opened again, even within the frame, it starts afresh.
    opened = -1;
    if (!yes)
        mode = Idle;
    else if (mode == QuitDialog)
        answers.quit();
    else if (mode == NewGameDialog)
        answers.startOver(modeFocus, focus);
}
