// The scripted player's hand: a queue of input frames (pointer position, held buttons, a key)
// played back one frame at a time, so a click is a press in one frame and a release in the next.
#pragma once

#include "app/MouseButton.h"

#include <deque>

class ScriptedInput;

namespace autoplay {

constexpr int LeftButton = MouseButton::Left;
constexpr int RightButton = MouseButton::Right;

class Gestures {
public:
    // The button held over a back-buffer pixel for one frame, released there in the next.
    void click(int x, int y, int button = LeftButton);
    // One key press, delivered with the next frame.
    void pressKey(int scancode);

    bool empty() const { return frames.empty(); }
    std::size_t pendingFrames() const { return frames.size(); }
    // Puts the next queued frame into the input. With nothing queued the pointer stays where it
    // is and no button is held.
    void feed(ScriptedInput& input);
    void clear() { frames.clear(); }

private:
    struct Frame {
        int x = 0;
        int y = 0;
        int buttons = 0;
        int key = -1;
        bool moves = false;
    };
    std::deque<Frame> frames;
};

} // namespace autoplay
