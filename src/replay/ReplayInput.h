// Answers the game's every input call from a recorded tape, whatever the keyboard and mouse do:
// the pointer is put back on the same picture pixels in the screen's layout of this replay.
#pragma once

#include "replay/InputTape.h"
#include "replay/TapeInput.h"

#include <array>

class ScreenLayout;

class ReplayInput : public TapeInput {
public:
    // tape must outlive the input.
    ReplayInput(const std::string& tape, const ScreenLayout& layout);

    // The tape went another way than the game (a changed input or another game) or ended early.
    bool broken() const { return reader.isBroken(); }
    bool finished() const { return reader.finished(); }

    int mouseX() override;
    int mouseY() override;
    int mouseButtons() override;
    int nextKey() override;
    bool keyHeld(int scancode) override;
    bool keyDown(int scancode) override;
    int buttonsNow() override { return static_cast<int>(buttons); }
    FrameTime frame(double seconds, int speed) override;
    bool pauseTaken(bool requested) override;

private:
    bool keyAnswer(TapeCall call, int scancode, std::array<bool, 256>& last);

    TapeReader reader;
    const ScreenLayout& layout;
    std::uint64_t frameCode = 0;
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::uint64_t buttons = 0;
    std::array<bool, 256> held{};
    std::array<bool, 256> down{};
};
