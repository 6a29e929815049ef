#include "control/RedrawGate.h"

#include "game/WorldView.h"
#include "support/WorldFixture.h"

#include <allegro.h>

#include <cmath>

// What a still frame shows changes: it is drawn once, then not again.
TEST(RedrawGate, AStillFrameIsDrawnOnlyWhenWhatItShowsChanges)
{
    void (*const changes[])(StillPicture&) = {
        [](StillPicture& p) { p.pointerX += 1; },     [](StillPicture& p) { p.keysTaken += 1; },
        [](StillPicture& p) { p.windowReturns += 1; }, [](StillPicture& p) { p.mode += 1; },
        [](StillPicture& p) { p.notice = true; },      [](StillPicture& p) { p.warningLit = true; },
    };
    for (const auto& change : changes) {
        RedrawGate gate;
        StillPicture picture;
        EXPECT_TRUE(gate.needed(picture)); // a moving frame
        picture.still = true;
        EXPECT_TRUE(gate.needed(picture)); // the first still one
        EXPECT_FALSE(gate.needed(picture));
        change(picture);
        EXPECT_TRUE(gate.needed(picture));
        EXPECT_FALSE(gate.needed(picture));
        picture.ticking = true; // the debug overlay's clock
        EXPECT_TRUE(gate.needed(picture) && gate.needed(picture));
    }
    const double frame = 1.0 / 60.0;
    EXPECT_EQ(RedrawGate::restMilliseconds(frame, 0.0), 17);
    EXPECT_EQ(RedrawGate::restMilliseconds(frame, frame - 0.0002), 1); // no spin on the last fraction
    EXPECT_EQ(RedrawGate::restMilliseconds(frame, frame + 0.001), 0);
    EXPECT_EQ(RedrawGate::restMilliseconds(1.0, 0.0), RedrawGate::LongestRest);
    EXPECT_EQ(RedrawGate::restMilliseconds(std::nan(""), 0.0), 0);
}

// The gate fed from a real World, as the main loop feeds it.
TEST_F(WorldFixture, APausedWorldIsDrawnAgainOnlyForAKeyOrAPointerMove)
{
    RedrawGate gate;
    const auto drawn = [&] { frame(0.0); return gate.needed(WorldView::still(*world)); };
    input->pointAt(100, 100);
    EXPECT_TRUE(drawn() && drawn()); // the pause before the first wave runs: every frame moves
    input->pressKey(KEY_P);
    EXPECT_TRUE(drawn());
    ASSERT_TRUE(world->paused);
    EXPECT_FALSE(drawn() || drawn());
    input->pointAt(101, 100);
    EXPECT_TRUE(drawn());
    input->pressKey(KEY_H); // the help over the pause
    EXPECT_TRUE(drawn());
    world->requestPause(); // the window lost the focus again: nothing new to show
    EXPECT_FALSE(drawn());
}
