#include "control/DialogControls.h"

#include "control/WorldMode.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

using Level = Difficulty::Level;

const DialogButton& buttonNamed(const char* caption)
{
    for (const DialogButton& button : DialogControls::buttonsOf(NewGameDialog))
        if (std::string(button.caption) == caption)
            return button;
    throw std::runtime_error(caption);
}

} // namespace

// "Classic" and "Mixed" choose the mode a difficulty then starts, by pointer or Up / Down; a dialog
// opened again starts on the mode played, and "No" starts nothing.
TEST(DialogControls, TheModeChosenBesideNoIsTheOneTheDifficultyStarts)
{
    int mode = NewGameDialog;
    const Level played = Level::Normal;
    const GameMode playedMode = GameMode::Classic;
    std::optional<std::pair<GameMode, Level>> started;
    DialogControls dialog(mode, played, playedMode, {[] {}, [&](GameMode m, Level l) { started = std::pair(m, l); }});

    const DialogButton& mixed = buttonNamed("Mixed");
    dialog.followPointer(mixed.centreX(), mixed.y + 1, true, true);
    EXPECT_FALSE(started) << "choosing a mode starts nothing";
    EXPECT_EQ(dialog.chosenMode(), GameMode::Mixed);
    const DialogButton& hard = buttonNamed("Hard");
    dialog.followPointer(hard.centreX(), hard.y + 1, true, true);
    EXPECT_EQ(started, std::pair(GameMode::Mixed, Level::Hard));

    started.reset();
    mode = NewGameDialog;
    EXPECT_EQ(dialog.chosenMode(), GameMode::Classic) << "opened again: the mode played";
    for (int press = 0; press < 3; ++press)
        dialog.switchMode();
    dialog.answer(true);
    EXPECT_EQ(started, std::pair(GameMode::Mixed, Level::Normal));

    started.reset();
    mode = NewGameDialog;
    dialog.switchMode();
    dialog.answer(false);
    EXPECT_FALSE(started);
    EXPECT_EQ(mode, Idle);
}

// F2 with the pointer resting over "Easy": Enter starts the difficulty played; a pointer that
// moves there takes the focus.
TEST(DialogControls, OnlyAPointerThatMovesTakesTheFocus)
{
    int mode = Idle;
    const Difficulty::Level played = Difficulty::Level::Hard;
    std::optional<Difficulty::Level> started;
    const GameMode playedMode = GameMode::Classic;
    DialogControls dialog(mode, played, playedMode,
                          {[] {}, [&started](GameMode, Difficulty::Level level) { started = level; }});
    const DialogButton& easy = DialogControls::buttonsOf(NewGameDialog).front();
    for (WorldMode opened : {Idle, NewGameDialog})
        mode = opened, dialog.followPointer(easy.x + 1, easy.y + 1, true, false);
    dialog.answer(true);
    EXPECT_EQ(started, played);
    mode = NewGameDialog;
    dialog.followPointer(easy.x + 2, easy.y + 1, true, false);
    EXPECT_EQ(dialog.focused(), Difficulty::Level::Easy);
}
