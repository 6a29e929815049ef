#include "control/DialogControls.h"

#include "control/WorldMode.h"

#include <gtest/gtest.h>

using Level = Difficulty::Level;

// F2 pressed with the pointer resting over "Easy": the dialog opens on the difficulty played, and
// Enter starts that one; the pointer takes the focus only once it moves.
TEST(DialogControls, OnlyAPointerThatMovesTakesTheFocus)
{
    int mode = Idle;
    const Level played = Level::Hard;
    std::optional<Level> started;
    DialogControls::Answers answers;
    answers.quit = [] {};
    answers.startOver = [&started](Level level) { started = level; };
    DialogControls dialog(mode, played, answers);
    const DialogButton& easy = DialogControls::buttonsOf(NewGameDialog).front();
    ASSERT_EQ(easy.level, Level::Easy);
    for (int frame = 0; frame < 2; ++frame)
        dialog.followPointer(easy.x + 1, easy.y + 1, true, false);
    mode = NewGameDialog;
    dialog.followPointer(easy.x + 1, easy.y + 1, true, false);
    EXPECT_EQ(dialog.focused(), Level::Hard);
    dialog.answer(true);
    EXPECT_EQ(started, Level::Hard);

    mode = NewGameDialog;
    dialog.followPointer(easy.x + 1, easy.y + 1, true, false);
    dialog.followPointer(easy.x + 2, easy.y + 1, true, false);
    EXPECT_EQ(dialog.focused(), Level::Easy);
}
