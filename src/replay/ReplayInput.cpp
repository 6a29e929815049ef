#include "replay/ReplayInput.h"

#include "app/MouseButton.h"
#include "replay/PointerPlace.h"

#include <algorithm>

namespace {

constexpr int SpeedBits = 4;
constexpr std::uint64_t SpeedMask = (1 << SpeedBits) - 1;

} // namespace

ReplayInput::ReplayInput(const std::string& tape, const ScreenLayout& layout)
    : reader(&tape)
    , layout(layout)
{
}

int ReplayInput::mouseX()
{
    drawing = false;
    reader.answer(TapeCall::MouseX, x);
    return PointerPlace::screenX(layout, x);
}

int ReplayInput::mouseY()
{
    if (!drawing)
        reader.answer(TapeCall::MouseY, y);
    return PointerPlace::screenY(layout, y);
}

int ReplayInput::mouseButtons()
{
    std::uint64_t value = 0;
    if (!drawing && reader.answer(TapeCall::MouseButtons, value))
        buttons = value & MouseButton::Both;
    return static_cast<int>(buttons);
}

int ReplayInput::nextKey()
{
    std::uint64_t key = 0;
    if (drawing || !reader.answer(TapeCall::NextKey, key))
        return -1;
    return key < 256 ? static_cast<int>(key) : -1;
}

bool ReplayInput::keyAnswer(TapeCall call, int scancode, std::array<bool, 256>& last)
{
    const bool inRange = scancode >= 0 && scancode < 256;
    std::uint64_t value = 0;
    if (!drawing && reader.answer(call, value) && inRange && value / 2 == static_cast<std::uint64_t>(scancode))
        last[scancode] = (value & 1) != 0;
    return inRange && last[scancode];
}

bool ReplayInput::keyHeld(int scancode)
{
    return keyAnswer(TapeCall::KeyHeld, scancode, held);
}

bool ReplayInput::keyDown(int scancode)
{
    return keyAnswer(TapeCall::KeyDown, scancode, down);
}

TapeInput::FrameTime ReplayInput::frame(double, int)
{
    reader.answer(TapeCall::Frame, frameCode);
    const int speed = static_cast<int>(frameCode & SpeedMask);
    // The frame clock never counts more than a second to a frame.
    const std::uint64_t units = std::min<std::uint64_t>(frameCode >> SpeedBits, static_cast<std::uint64_t>(TimeUnitsPerSecond));
    return {static_cast<double>(units) / TimeUnitsPerSecond, speed < 1 ? 1 : speed};
}

bool ReplayInput::pauseTaken(bool)
{
    std::uint64_t value = 0;
    return reader.answer(TapeCall::PauseTaken, value);
}
