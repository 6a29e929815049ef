#include "app/Application.h"

#include "app/WindowEvents.h"
#include "game/World.h"
#include "support/ScriptedInput.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class ApplicationFrames : public ::testing::Test {
protected:
    void SetUp() override
    {
        input = &testcontent::install();
        realSleep = app.sleepMilliseconds;
    }
    void TearDown() override
    {
        app.minFrameTime = 0.0;
        app.sleepMilliseconds = realSleep;
        app.world = nullptr;
        app.screenLayout = ScreenLayout();
    }

    Application& app = Application::instance();
    ScriptedInput* input = nullptr;
    std::function<void(int)> realSleep;
};

} // namespace

TEST_F(ApplicationFrames, InstanceIsOneObject)
{
    EXPECT_EQ(&Application::instance(), &Application::instance());
}

TEST_F(ApplicationFrames, HalvesTheWindowPosition)
{
    input->windowX = 639;
    input->windowY = 479;
    app.sampleMouse();
    EXPECT_EQ(app.mouseX, 319);
    EXPECT_EQ(app.mouseY, 239);
    input->windowX = 1;
    input->windowY = 1;
    app.sampleMouse();
    EXPECT_EQ(app.mouseX, 0);
    EXPECT_EQ(app.mouseY, 0);
}

TEST_F(ApplicationFrames, MapsThePointerThroughTheScreenLayout)
{
    app.screenLayout = ScreenLayout::centred(960, 720, 320, 240);
    input->windowX = 959;
    input->windowY = 3 * 230 + 2;
    app.sampleMouse();
    EXPECT_EQ(app.mouseX, 319);
    EXPECT_EQ(app.mouseY, 230);
    app.screenLayout = ScreenLayout::centred(1920, 1080, 320, 240); // 4 x, borders 320 and 60
    input->windowX = 320 + 4 * 150 + 3;
    input->windowY = 60;
    app.sampleMouse();
    EXPECT_EQ(app.mouseX, 150);
    EXPECT_EQ(app.mouseY, 0);
}

// A run played again off screen, where no switch can succeed, must see the switches its recording
// saw: each one asked for is a new screen under the pointer.
TEST_F(ApplicationFrames, AScreenSwitchThatCannotOpenStillCountsForThePointer)
{
    app.sampleMouse();
    const int before = app.mouseScreen;
    EXPECT_FALSE(app.switchScreen(true).empty()) << "no screen opens in the tests";
    app.sampleMouse();
    EXPECT_EQ(app.mouseScreen, before + 1);
}

TEST_F(ApplicationFrames, APointerOnTheFullScreenBorderIsInNoRectangleAndClicksNothing)
{
    app.screenLayout = ScreenLayout::centred(800, 600, 320, 240); // 2 x, borders 80 and 60
    for (const auto& [x, y] : {std::pair{680, 520}, std::pair{795, 595}, std::pair{10, 300}, std::pair{400, 5}}) {
        input->windowX = x, input->windowY = y, input->buttons = 1;
        app.sampleMouse();
        input->buttons = 0;
        app.sampleMouse();
        EXPECT_EQ(app.mouseClicked(1) || app.mouseInRect(0, 0, 319, 239), x == 680) << x;
        EXPECT_EQ(app.mouseX * 1000 + app.mouseY, 300230) << x; // where the pointer left the picture
    }
}

TEST_F(ApplicationFrames, AClickIsTheRelease)
{
    input->buttons = 1;
    app.sampleMouse();
    EXPECT_FALSE(app.mouseClicked(1));
    app.sampleMouse(); // still held
    EXPECT_FALSE(app.mouseClicked(1));
    input->buttons = 0;
    app.sampleMouse();
    EXPECT_TRUE(app.mouseClicked(1));
    EXPECT_FALSE(app.mouseClicked(2));
    app.sampleMouse();
    EXPECT_FALSE(app.mouseClicked(1));
}

TEST_F(ApplicationFrames, RightButtonClicksSeparately)
{
    input->buttons = 3;
    app.sampleMouse();
    input->buttons = 1;
    app.sampleMouse();
    EXPECT_TRUE(app.mouseClicked(2));
    EXPECT_FALSE(app.mouseClicked(1));
}

TEST_F(ApplicationFrames, RectanglesIncludeBothEdges)
{
    for (int x : {10, 29}) {
        input->pointAt(x, 5);
        app.sampleMouse();
        EXPECT_TRUE(app.mouseInRect(10, 5, 19, 0)) << x;
    }
    for (int x : {9, 30}) {
        input->pointAt(x, 5);
        app.sampleMouse();
        EXPECT_FALSE(app.mouseInRect(10, 5, 19, 0)) << x;
    }
}

TEST_F(ApplicationFrames, EveryFrameLastsAtLeastTheThreshold)
{
    std::vector<int> sleeps;
    app.sleepMilliseconds = [&sleeps, this](int ms) {
        sleeps.push_back(ms);
        realSleep(ms);
    };
    app.minFrameTime = 0.02;
    app.lastFrameTime = app.now();
    for (int frame = 0; frame < 5; ++frame)
        EXPECT_GE(app.waitForNextFrame(), 0.02);
    EXPECT_FALSE(sleeps.empty());
    for (int ms : sleeps)
        EXPECT_LE(ms, 20);
}

TEST_F(ApplicationFrames, NoThresholdMeansNoSleep)
{
    int sleeps = 0;
    app.sleepMilliseconds = [&sleeps](int) { ++sleeps; };
    app.minFrameTime = 0.0;
    app.lastFrameTime = app.now();
    for (int frame = 0; frame < 5; ++frame)
        EXPECT_GE(app.waitForNextFrame(), 0.0);
    EXPECT_EQ(sleeps, 0);
}

TEST_F(ApplicationFrames, SwitchingBackRestartsTheFrameClock)
{
    app.lastFrameTime = app.now() - 100.0; // as if the player had been away
    onSwitchIn();
    EXPECT_LT(app.waitForNextFrame(), 1.0);
}

TEST_F(ApplicationFrames, AStallCountsAsOneShortFrameAndTheClockNeverRunsBackwards)
{
    for (const auto& [threshold, counted] : {std::pair{0.0, 0.25}, std::pair{1.0 / 60, 0.25}, std::pair{0.5, 0.5}}) {
        app.minFrameTime = threshold;
        app.lastFrameTime = app.now() - 45.0; // the process was stopped
        EXPECT_EQ(app.waitForNextFrame(), counted) << threshold;
    }
    input->buttons = 1; // ends the wait of a frame whose clock a switch-in restarted after it began
    app.lastFrameTime = app.now() + 10.0;
    EXPECT_EQ(app.waitForNextFrame(), 0.0);
}

TEST_F(ApplicationFrames, FrameWaitTakesTheMouseSample)
{
    input->pointAt(100, 50);
    app.waitForNextFrame();
    EXPECT_EQ(app.mouseX, 100);
    EXPECT_EQ(app.mouseY, 50);
}

TEST_F(ApplicationFrames, HugeThresholdsWaitAtMostASecondInShortSleeps)
{
    std::vector<int> sleeps;
    app.sleepMilliseconds = [&sleeps, this](int ms) {
        sleeps.push_back(ms);
        realSleep(std::clamp(ms, 0, 10));
        if (sleeps.size() > 500)
            app.minFrameTime = 0.0; // lets a clock that would wait for ever fail instead of hanging
    };
    app.sampleMouse();
    for (double threshold : {1.0e30, 3.0e6}) {
        app.minFrameTime = threshold;
        app.lastFrameTime = app.now() - 0.97;
        const double dt = app.waitForNextFrame();
        EXPECT_GE(dt, 1.0) << threshold;
        EXPECT_LT(dt, 1.5) << threshold;
    }
    ASSERT_FALSE(sleeps.empty());
    for (int ms : sleeps) {
        EXPECT_GE(ms, 0);
        EXPECT_LE(ms, 50);
    }
}

TEST_F(ApplicationFrames, CloseButtonAndMouseButtonsEndALongWait)
{
    World world;
    world.running = true;
    app.world = &world;
    app.minFrameTime = 0.6;
    app.sampleMouse();
    app.lastFrameTime = app.now();
    app.sleepMilliseconds = [this](int ms) {
        input->buttons = 1; // pressed while the frame waits
        realSleep(ms);
    };
    EXPECT_LT(app.waitForNextFrame(), 0.3);
    EXPECT_EQ(app.mouseButtons, 1);

    app.sleepMilliseconds = [this](int ms) {
        onCloseButton();
        realSleep(ms);
    };
    EXPECT_LT(app.waitForNextFrame(), 0.3);
    EXPECT_FALSE(world.running);
    world.running = true;
    EXPECT_EQ(app.detachWorld(), &world); // the game leaves: a late click on the close button is ignored
    onCloseButton();
    EXPECT_TRUE(world.running);
    app.attachWorld(nullptr);
}

TEST_F(ApplicationFrames, ACloseBeforeTheLoopStartsStillEndsTheGame)
{
    World world;
    app.attachWorld(&world);
    onCloseButton(); // pressed between start-up and the first frame
    world.newGame(); // the loop starts the World running
    app.waitForNextFrame();
    EXPECT_FALSE(world.running);
    app.detachWorld();
    app.attachWorld(nullptr);
}
