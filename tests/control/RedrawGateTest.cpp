#include "control/RedrawGate.h"

#include "game/WorldView.h"
#include "support/WorldFixture.h"

#include <allegro.h>

#include <cmath>
#include <functional>

namespace {

StillPicture paused()
{
    StillPicture picture;
    picture.still = true;
    picture.paused = true;
    return picture;
}

} // namespace

TEST(RedrawGate, AStillFrameIsDrawnOnlyWhenWhatItShowsChanges)
{
    const std::function<void(StillPicture&)> changes[] = {
        [](StillPicture& p) { p.pointerX += 1; },
        [](StillPicture& p) { p.pointerOnPicture = false; },
        [](StillPicture& p) { p.buttons = 1; },
        [](StillPicture& p) { p.screens += 1; },
        [](StillPicture& p) { p.keysTaken += 1; },
        [](StillPicture& p) { p.windowReturns += 1; },
        [](StillPicture& p) { p.mode += 1; },
        [](StillPicture& p) { p.helpShown = true; },
        [](StillPicture& p) { p.best += 1; },
        [](StillPicture& p) { p.notice = true; },
        [](StillPicture& p) { p.pauseHintLit = true; },
        [](StillPicture& p) { p.warningLit = true; },
    };
    int index = 0;
    for (const auto& change : changes) {
        SCOPED_TRACE(index++);
        RedrawGate gate;
        StillPicture picture = paused();
        EXPECT_TRUE(gate.needed(picture)); // the first picture of the pause
        EXPECT_FALSE(gate.needed(picture));
        change(picture);
        EXPECT_TRUE(gate.needed(picture));
        EXPECT_FALSE(gate.needed(picture));
    }
}

TEST(RedrawGate, MovingOrTickingFramesAreAlwaysDrawn)
{
    RedrawGate gate;
    StillPicture moving;
    EXPECT_TRUE(gate.needed(moving));
    EXPECT_TRUE(gate.needed(moving));
    StillPicture debug = paused();
    debug.ticking = true;
    EXPECT_TRUE(gate.needed(debug));
    EXPECT_TRUE(gate.needed(debug));
    // Back from the pause: the first moving frame is drawn, and so is the next pause's first.
    EXPECT_TRUE(gate.needed(moving));
    EXPECT_TRUE(gate.needed(paused()));
}

TEST(RedrawGate, RestsUntilTheNextFrameIsDueInWholeMilliseconds)
{
    const double frame = 1.0 / 60.0;
    EXPECT_EQ(RedrawGate::restMilliseconds(frame, 0.0), 17);
    EXPECT_EQ(RedrawGate::restMilliseconds(frame, frame - 0.0002), 1); // no spin on the last fraction
    EXPECT_EQ(RedrawGate::restMilliseconds(frame, frame + 0.001), 0);
    EXPECT_EQ(RedrawGate::restMilliseconds(1.0, 0.0), RedrawGate::LongestRest);
    EXPECT_EQ(RedrawGate::restMilliseconds(std::nan(""), 0.0), 0);
}

// The gate fed from a real paused World, as the main loop feeds it.
class StillWorldTest : public WorldFixture {
protected:
    bool drawnAfterFrame()
    {
        frame(0.0);
        return gate.needed(WorldView::still(*world));
    }
    RedrawGate gate;
};

TEST_F(StillWorldTest, APausedWorldIsDrawnAgainOnlyForAKeyOrAPointerMove)
{
    input->pointAt(100, 100);
    EXPECT_TRUE(drawnAfterFrame());
    EXPECT_TRUE(drawnAfterFrame()); // the pause before the first wave runs: every frame moves
    input->pressKey(KEY_P);
    EXPECT_TRUE(drawnAfterFrame());
    ASSERT_TRUE(world->paused);
    EXPECT_FALSE(drawnAfterFrame());
    EXPECT_FALSE(drawnAfterFrame());
    input->pointAt(101, 100);
    EXPECT_TRUE(drawnAfterFrame());
    EXPECT_FALSE(drawnAfterFrame());
    input->pressKey(KEY_H); // the help over the pause
    EXPECT_TRUE(drawnAfterFrame());
    EXPECT_FALSE(drawnAfterFrame());
    world->requestPause(); // the window lost the focus again: nothing new to show
    EXPECT_FALSE(drawnAfterFrame());
}
