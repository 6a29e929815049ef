#include "autoplay/Gestures.h"

#include "autoplay/ScriptedInput.h"

namespace autoplay {

void Gestures::click(int x, int y, int button)
{
    frames.push_back({x, y, button, -1, true});
    frames.push_back({x, y, 0, -1, true});
}

void Gestures::pressKey(int scancode)
{
    Frame frame;
    frame.key = scancode;
    frames.push_back(frame);
}

void Gestures::feed(ScriptedInput& input)
{
    if (frames.empty()) {
        input.buttons = 0;
        return;
    }
    const Frame frame = frames.front();
    frames.pop_front();
    if (frame.moves)
        input.pointAt(frame.x, frame.y);
    input.buttons = frame.buttons;
    if (frame.key >= 0)
        input.pressKey(frame.key);
}

} // namespace autoplay
