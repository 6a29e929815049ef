#include "replay/RecordingInput.h"

#include "app/MouseButton.h"
#include "replay/PointerPlace.h"

#include <cmath>

namespace {

constexpr int SpeedBits = 4;
constexpr std::uint64_t MaxSpeed = (1 << SpeedBits) - 1;
// A frame longer than this many units is cut to it (the clock gives at most a second).
constexpr double MaxUnits = 1e9;

bool inRange(int scancode) { return scancode >= 0 && scancode < 256; }

} // namespace

RecordingInput::RecordingInput(std::unique_ptr<InputSource> inner, const ScreenLayout& layout)
    : inner(std::move(inner))
    , layout(layout)
{
}

void RecordingInput::begin()
{
    pendingBegin = false;
    recorded = InputTape();
    lastFrame = lastX = lastY = lastButtons = 0;
    held.fill(false);
    down.fill(false);
}

void RecordingInput::keep(TapeCall call, std::uint64_t answer, std::uint64_t& last)
{
    if (answer == last) {
        recorded.skip();
        return;
    }
    recorded.note(call, answer);
    last = answer;
}

bool RecordingInput::keepKey(TapeCall call, int scancode, bool isHeld, std::array<bool, 256>& last)
{
    if (drawing)
        return isHeld;
    if (!inRange(scancode) || last[scancode] == isHeld) {
        recorded.skip();
        return inRange(scancode) && isHeld;
    }
    recorded.note(call, static_cast<std::uint64_t>(scancode) * 2 + (isHeld ? 1 : 0));
    last[scancode] = isHeld;
    return isHeld;
}

int RecordingInput::mouseX()
{
    drawing = false;
    if (pendingBegin)
        begin();
    const int x = inner->mouseX();
    keep(TapeCall::MouseX, PointerPlace::ofX(layout, x), lastX);
    return x;
}

int RecordingInput::mouseY()
{
    const int y = inner->mouseY();
    if (drawing)
        return y;
    keep(TapeCall::MouseY, PointerPlace::ofY(layout, y), lastY);
    return y;
}

int RecordingInput::mouseButtons()
{
    const int buttons = inner->mouseButtons() & MouseButton::Both;
    if (drawing)
        return buttons;
    keep(TapeCall::MouseButtons, static_cast<std::uint64_t>(buttons), lastButtons);
    return buttons;
}

int RecordingInput::nextKey()
{
    const int key = inner->nextKey();
    if (drawing)
        return key;
    if (key < 0) {
        recorded.skip();
        return -1;
    }
    recorded.note(TapeCall::NextKey, static_cast<std::uint64_t>(key));
    return key;
}

bool RecordingInput::keyHeld(int scancode)
{
    return keepKey(TapeCall::KeyHeld, scancode, inner->keyHeld(scancode), held);
}

bool RecordingInput::keyDown(int scancode)
{
    return keepKey(TapeCall::KeyDown, scancode, inner->keyDown(scancode), down);
}

TapeInput::FrameTime RecordingInput::frame(double seconds, int speed)
{
    const double units = std::isfinite(seconds) ? std::round(std::fmin(std::fmax(seconds, 0.0), MaxUnits / TimeUnitsPerSecond) * TimeUnitsPerSecond) : 0.0;
    const std::uint64_t speedCode = speed < 1 ? 1 : static_cast<std::uint64_t>(speed) > MaxSpeed ? MaxSpeed : static_cast<std::uint64_t>(speed);
    const std::uint64_t code = static_cast<std::uint64_t>(units) << SpeedBits | speedCode;
    keep(TapeCall::Frame, code, lastFrame);
    return {static_cast<double>(code >> SpeedBits) / TimeUnitsPerSecond, static_cast<int>(code & MaxSpeed)};
}

bool RecordingInput::pauseTaken(bool requested)
{
    if (!requested) {
        recorded.skip();
        return false;
    }
    recorded.note(TapeCall::PauseTaken, 1);
    return true;
}
