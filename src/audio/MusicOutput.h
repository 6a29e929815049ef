// Where the music goes: a stream the game keeps filling, on the sound device or in a test's
// recorder. The player asks how many frames are due and writes exactly that many.
#pragma once

#include <cstdint>

class MusicOutput {
public:
    virtual ~MusicOutput() = default;

    // Frames a second the output plays (a frame is a left and a right sample).
    virtual int rate() const = 0;
    // Frames the output needs now, 0 when its buffers are full; the next write gives that many.
    virtual int wanted() = 0;
    // Hands over that many frames of interleaved left/right signed 16-bit samples.
    virtual void write(const std::int16_t* stereo, int frames) = 0;
};
