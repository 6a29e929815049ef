#include "control/DialogControls.h"

#include "control/WorldMode.h"

#include <gtest/gtest.h>

// F2 with the pointer resting over "Easy": Enter starts the difficulty played; a pointer that
// moves there takes the focus.
TEST(DialogControls, OnlyAPointerThatMovesTakesTheFocus)
{
    int mode = Idle;
    const Difficulty::Level played = Difficulty::Level::Hard;
    std::optional<Difficulty::Level> started;
    DialogControls dialog(mode, played, {[] {}, [&started](Difficulty::Level level) { started = level; }});
    const DialogButton& easy = DialogControls::buttonsOf(NewGameDialog).front();
    for (int opened : {Idle, NewGameDialog})
        mode = opened, dialog.followPointer(easy.x + 1, easy.y + 1, true, false);
    dialog.answer(true);
    EXPECT_EQ(started, played);
    mode = NewGameDialog;
    dialog.followPointer(easy.x + 2, easy.y + 1, true, false);
    EXPECT_EQ(dialog.focused(), Difficulty::Level::Easy);
}
