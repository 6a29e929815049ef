// An input source that also answers for the frame clock and the window's pause request, so that a
// run's every outside influence passes one place: recorded there, or played back from there.
#pragma once

#include "app/InputSource.h"

class TapeInput : public InputSource {
public:
    // A frame's real seconds and speed, as the game is to use them.
    struct FrameTime {
        double seconds = 0.0;
        int speed = 1;
    };
    // The frame clock's measure is kept to this many parts of a second.
    static constexpr double TimeUnitsPerSecond = 10000.0;

    virtual FrameTime frame(double seconds, int speed) = 0;
    // Whether a pause asked for by the window is taken in this update.
    virtual bool pauseTaken(bool requested) = 0;
    // While the frame is drawn the game's reads are not part of the run: the picture changes
    // nothing, so a replay checked without drawing makes the same calls as the run. The next
    // frame's first pointer sample ends it.
    void setDrawing(bool on) { drawing = on; }

protected:
    bool drawing = false;
};
