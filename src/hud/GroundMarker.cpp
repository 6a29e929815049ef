#include "hud/GroundMarker.h"

#include "hud/FrameView.h"
#include "invaders/SquibbleWave.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TrackX = 0;
constexpr int NotchLength = 4;
// The notch points at the middle of an invader's row, not at its top edge.
constexpr int RowMiddle = 6;
constexpr int Ground = static_cast<int>(SquibbleWave::EscapeLine) + RowMiddle;
constexpr int Warning = static_cast<int>(SquibbleWave::WarningLine) + RowMiddle;

} // namespace

void GroundMarker::draw(BITMAP* target, const FrameView& view)
{
    if (!view.lowestRowShown || view.gameOver)
        return;
    vline(target, TrackX, 0, Warning - 1, makecol(0x5a, 0x5a, 0x78));
    vline(target, TrackX, Warning, Ground, makecol(0xfb, 0xf2, 0x36));
    hline(target, TrackX, Ground, TrackX + NotchLength, makecol(0xfb, 0xf2, 0x36));
    const int y = std::clamp(static_cast<int>(std::lround(view.lowestRow)) + RowMiddle, 0, Ground);
    const int colour = view.groundWarning ? makecol(0xd9, 0x57, 0x63) : makecol(0xff, 0xff, 0xff);
    // A small wedge pointing into the field.
    for (int i = 0; i < NotchLength; ++i)
        vline(target, TrackX + i, y - (NotchLength - 1 - i), y + (NotchLength - 1 - i), colour);
}
