// Passes another input source's answers to the game and writes them on a tape, the pointer in
// picture pixels so that a replay in a window of another size points at the same places.
#pragma once

#include "replay/InputTape.h"
#include "replay/TapeInput.h"

#include <array>
#include <memory>

class ScreenLayout;

class RecordingInput : public TapeInput {
public:
    // layout is the screen's, read at every pointer sample (F11 changes it).
    RecordingInput(std::unique_ptr<InputSource> inner, const ScreenLayout& layout);

    // A new run from the next frame's pointer sample on: an empty tape, every answer expected afresh.
    void beginAtNextFrame() { pendingBegin = true; }
    const InputTape& tape() const { return recorded; }

    int mouseX() override;
    int mouseY() override;
    int mouseButtons() override;
    int nextKey() override;
    bool keyHeld(int scancode) override;
    bool keyDown(int scancode) override;
    int buttonsNow() override { return inner->buttonsNow(); }
    FrameTime frame(double seconds, int speed) override;
    bool pauseTaken(bool requested) override;

private:
    void begin();
    // Writes the answer when it is not the last one of its kind.
    void keep(TapeCall call, std::uint64_t answer, std::uint64_t& last);
    bool keepKey(TapeCall call, int scancode, bool held, std::array<bool, 256>& last);

    std::unique_ptr<InputSource> inner;
    const ScreenLayout& layout;
    InputTape recorded;
    std::uint64_t lastFrame = 0;
    std::uint64_t lastX = 0;
    std::uint64_t lastY = 0;
    std::uint64_t lastButtons = 0;
    std::array<bool, 256> held{};
    std::array<bool, 256> down{};
    bool pendingBegin = true;
};
