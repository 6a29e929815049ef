// Decides which frames are drawn. A frame in which the game moves is always drawn; one in which
// game time stands still is drawn only when what it would show differs from the picture last
// drawn, so a paused game costs the processor next to nothing while the music plays on and every
// key, pointer move and return of the window is answered in the next frame.
#pragma once

#include "control/StillPicture.h"

#include <optional>

class RedrawGate {
public:
    // The longest rest after a frame not drawn, so that the frame wait takes over for long frames.
    static constexpr int LongestRest = 50;

    // Whether to draw the frame whose picture is described by now; noted as drawn when it is.
    bool needed(const StillPicture& now);
    // Whole milliseconds to sleep after a still frame not drawn, until the next frame is due:
    // rounded up, so the frame wait finds it due instead of spinning the last fraction of a
    // millisecond; 0 when it is due already or the frame time is not a number; at most LongestRest.
    static int restMilliseconds(double frameTime, double sinceFrameStart);

private:
    std::optional<StillPicture> shown;
};
