#include "app/Application.h"
#include "autoplay/Gestures.h"
#include "support/ScriptedInput.h"
#include "support/TestContent.h"

#include <allegro.h>
#include <gtest/gtest.h>

using autoplay::Gestures;

TEST(Gestures, ClickIsAPressFrameThenAReleaseFrameAtTheSamePoint)
{
    Gestures hand;
    ScriptedInput input;
    hand.click(40, 50);
    EXPECT_EQ(hand.pendingFrames(), 2u);

    hand.feed(input);
    EXPECT_EQ(input.buttons, autoplay::LeftButton);
    EXPECT_EQ(input.windowX, 80); // the window is twice the back buffer
    EXPECT_EQ(input.windowY, 100);

    hand.feed(input);
    EXPECT_EQ(input.buttons, 0);
    EXPECT_EQ(input.windowX, 80);
    EXPECT_EQ(input.windowY, 100);
    EXPECT_TRUE(hand.empty());
}

TEST(Gestures, RightClickHoldsTheRightButtonBit)
{
    Gestures hand;
    ScriptedInput input;
    hand.click(10, 20, autoplay::RightButton);
    hand.feed(input);
    EXPECT_EQ(input.buttons, autoplay::RightButton);
}

TEST(Gestures, WithNothingQueuedThePointerRestsAndNothingIsHeld)
{
    Gestures hand;
    ScriptedInput input;
    hand.click(30, 60);
    hand.feed(input);
    hand.feed(input);
    input.buttons = 1; // as if something else had pressed it
    hand.feed(input);
    EXPECT_EQ(input.buttons, 0);
    EXPECT_EQ(input.windowX, 60);
    EXPECT_EQ(input.windowY, 120);
}

TEST(Gestures, KeyPressArrivesWithItsOwnFrame)
{
    Gestures hand;
    ScriptedInput input;
    hand.click(1, 1);
    hand.pressKey(KEY_D);
    hand.feed(input);
    hand.feed(input);
    EXPECT_EQ(input.nextKey(), -1);
    hand.feed(input);
    EXPECT_EQ(input.nextKey(), KEY_D);
    EXPECT_EQ(input.nextKey(), -1);
}

TEST(Gestures, TheGameSeesTheClickOnlyWhenTheButtonIsReleased)
{
    ScriptedInput& input = testcontent::install();
    Application& app = Application::instance();
    Gestures hand;
    hand.click(100, 120);

    hand.feed(input);
    app.sampleMouse();
    EXPECT_EQ(app.mouseX, 100);
    EXPECT_EQ(app.mouseY, 120);
    EXPECT_FALSE(app.mouseClicked(autoplay::LeftButton));

    hand.feed(input);
    app.sampleMouse();
    EXPECT_TRUE(app.mouseClicked(autoplay::LeftButton));

    hand.feed(input);
    app.sampleMouse();
    EXPECT_FALSE(app.mouseClicked(autoplay::LeftButton));
}
