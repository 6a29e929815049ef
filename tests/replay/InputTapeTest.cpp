#include "replay/RecordingInput.h"
#include "replay/PointerPlace.h"
#include "replay/ReplayInput.h"

#include "app/ScreenLayout.h"
#include "autoplay/ScriptedInput.h"

#include <gtest/gtest.h>

#include <allegro.h>

#include <cmath>

namespace {

// One call of the game's to its input, and what the live input holds at that moment.
struct Call {
    TapeCall kind;
    int x = 0, y = 0, buttons = 0;
    int key = -1;
    int scancode = 0;
    bool held = false;
    double seconds = 0.0;
    int speed = 1;
};

// The answer of one call, the same way for a live and a replayed input.
long long ask(TapeInput& input, const Call& call)
{
    switch (call.kind) {
    case TapeCall::MouseX: return input.mouseX();
    case TapeCall::MouseY: return input.mouseY();
    case TapeCall::MouseButtons: return input.mouseButtons();
    case TapeCall::NextKey: return input.nextKey();
    case TapeCall::KeyHeld: return input.keyHeld(call.scancode);
    case TapeCall::KeyDown: return input.keyDown(call.scancode);
    case TapeCall::PauseTaken: return input.pauseTaken(call.held);
    case TapeCall::Frame: {
        const TapeInput::FrameTime time = input.frame(call.seconds, call.speed);
        return std::llround(time.seconds * 1e6) * 16 + time.speed;
    }
    }
    return 0;
}

std::vector<Call> aShortGame()
{
    std::vector<Call> calls;
    for (int frame = 0; frame < 50; ++frame) {
        const int x = frame < 20 ? 100 : 100 + frame;
        calls.push_back({TapeCall::MouseX, x});
        calls.push_back({TapeCall::MouseY, 0, frame < 40 ? 300 : 900});
        calls.push_back({TapeCall::MouseButtons, 0, 0, frame == 30 ? 1 : 0});
        calls.push_back({TapeCall::Frame, 0, 0, 0, -1, 0, false, 0.01667 + (frame % 3) * 0.00004, frame < 25 ? 1 : 4});
        calls.push_back({TapeCall::KeyHeld, 0, 0, 0, -1, KEY_TAB, frame > 10 && frame < 14});
        calls.push_back({TapeCall::NextKey, 0, 0, 0, frame == 7 ? KEY_N : frame == 8 ? KEY_1 : -1});
        calls.push_back({TapeCall::PauseTaken, 0, 0, 0, -1, 0, frame == 44});
        calls.push_back({TapeCall::KeyDown, 0, 0, 0, -1, KEY_F11, frame == 45});
    }
    return calls;
}

// Feeds a call's live state into the scripted input under the recording.
void setLive(ScriptedInput& live, const Call& call)
{
    live.windowX = call.kind == TapeCall::MouseX ? call.x : live.windowX;
    live.windowY = call.kind == TapeCall::MouseY ? call.y : live.windowY;
    if (call.kind == TapeCall::MouseButtons)
        live.buttons = call.buttons;
    if (call.kind == TapeCall::NextKey && call.key >= 0)
        live.pressKey(call.key);
    if (call.kind == TapeCall::KeyHeld || call.kind == TapeCall::KeyDown) {
        if (call.held)
            live.held.insert(call.scancode);
        else
            live.held.erase(call.scancode);
    }
}

} // namespace

// A live frame time is kept to a ten-thousandth of a second; a replayed one, and its speed, come
// from the tape whatever the clock says now.
TEST(InputTapeTest, ReplayedInputAnswersEveryCallAsTheRecordingDidAndKeepsOnlyChanges)
{
    const ScreenLayout layout;
    auto scripted = std::make_unique<ScriptedInput>();
    ScriptedInput& live = *scripted;
    RecordingInput recording(std::move(scripted), layout);
    const std::vector<Call> calls = aShortGame();
    std::vector<long long> answers;
    for (const Call& call : calls) {
        setLive(live, call);
        answers.push_back(ask(recording, call));
    }
    // 400 calls; the changes are a few dozen (the frame time wobbles every frame).
    EXPECT_EQ(recording.tape().calls(), calls.size());
    EXPECT_LT(recording.tape().bytes().size(), 400u);
    EXPECT_EQ(answers[3], 16700 * 16 + 1) << "frame 0's 0.01667 s";

    // The replay is read in a window of another size: the pointer lands on the same picture pixels.
    const ScreenLayout bigger(3, 10, 0, 320, 240);
    const std::string tape = recording.tape().bytes();
    ReplayInput replayed(tape, bigger);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        Call now = calls[i];
        now.seconds = 0.5, now.speed = 1;
        const long long answer = ask(replayed, now);
        if (calls[i].kind == TapeCall::MouseX)
            EXPECT_EQ(PointerPlace::ofX(bigger, static_cast<int>(answer)), PointerPlace::ofX(layout, static_cast<int>(answers[i]))) << i;
        else if (calls[i].kind == TapeCall::MouseY)
            EXPECT_EQ(PointerPlace::ofY(bigger, static_cast<int>(answer)), PointerPlace::ofY(layout, static_cast<int>(answers[i]))) << i;
        else
            EXPECT_EQ(answer, answers[i]) << "call " << i;
    }
    EXPECT_TRUE(replayed.finished());
    EXPECT_FALSE(replayed.broken());
}

TEST(InputTapeTest, AGameThatAsksOtherwiseThanTheRecordingBreaksTheTape)
{
    const ScreenLayout layout;
    auto scripted = std::make_unique<ScriptedInput>();
    scripted->pressKey(KEY_N);
    RecordingInput recording(std::move(scripted), layout);
    recording.frame(0.0167, 1);
    EXPECT_EQ(recording.nextKey(), KEY_N);
    const std::string tape = recording.tape().bytes();

    ReplayInput replayed(tape, layout);
    replayed.frame(0.0, 1);
    // The game asks for the mouse where the recording had a key waiting.
    replayed.mouseButtons();
    EXPECT_TRUE(replayed.broken());
    EXPECT_EQ(replayed.nextKey(), -1);
}
