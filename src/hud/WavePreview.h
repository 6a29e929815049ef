// The wave in the top-right corner of the sky: its number and the game's difficulty always;
// during a wave how many of its invaders are left; in the pause before one the countdown, what it
// brings (invaders, their health each, their speed), all from the wave rules the game uses at its
// difficulty, and what N would pay; in both the threat of the wave against the towers standing, in
// a word and a bar; in the Mixed mode the kinds it brings with their counts. Under it, on a first
// launch, the hints a newcomer needs, and the caption of a kind met for the first time.
#pragma once

#include "difficulty/Difficulty.h"

struct BITMAP;
class BitmapFont;
struct FrameView;
class TextPanel;

class WavePreview {
public:
    void draw(BITMAP* target, const FrameView& view) const;

private:
    static const BitmapFont* threatFont(const FrameView& view);
    // A first launch's hints, boxed side by side with their tops at top; gives the bottom below them.
    static int drawHints(BITMAP* target, const FrameView& view, int top);
    static void addKinds(TextPanel& panel, const FrameView& view);

    // The speed of the next wave reads the configuration: worked out once per wave and difficulty.
    mutable int speedWave = 0;
    mutable Difficulty::Level speedLevel = Difficulty::Level::Normal;
    mutable double speed = 0.0;
};
