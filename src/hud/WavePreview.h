// The wave in the top-right corner of the sky: its number and the game's difficulty always;
// during a wave how many of its invaders are left; in the pause before one the countdown, what it
// brings (invaders, their health each, their speed), all from the wave rules the game uses at its
// difficulty, and what N would pay; in both the threat of the wave against the towers standing, in
// a word and a bar. Under it, on a first launch, the hints a newcomer needs.
#pragma once

#include "difficulty/Difficulty.h"

struct BITMAP;
class BitmapFont;
struct FrameView;

class WavePreview {
public:
    void draw(BITMAP* target, const FrameView& view) const;

private:
    static const BitmapFont* threatFont(const FrameView& view);
    // A first launch's hints, boxed side by side with their tops at top.
    static void drawHints(BITMAP* target, const FrameView& view, int top);

    // The speed of the next wave reads the configuration: worked out once per wave and difficulty.
    mutable int speedWave = 0;
    mutable Difficulty::Level speedLevel = Difficulty::Level::Normal;
    mutable double speed = 0.0;
};
