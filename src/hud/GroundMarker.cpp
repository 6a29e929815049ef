#include "hud/GroundMarker.h"

#include "assets/Palette.h"
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
    vline(target, TrackX, 0, Warning - 1, Palette::colour(Palette::Slate));
    vline(target, TrackX, Warning, Ground, Palette::colour(Palette::Yellow));
    hline(target, TrackX, Ground, TrackX + NotchLength, Palette::colour(Palette::Yellow));
    const int y = std::clamp(static_cast<int>(std::lround(view.lowestRow)) + RowMiddle, 0, Ground);
    const int colour = view.groundWarning ? Palette::colour(Palette::Red) : Palette::colour(Palette::White);
    // A small wedge pointing into the field.
    for (int i = 0; i < NotchLength; ++i)
        vline(target, TrackX + i, y - (NotchLength - 1 - i), y + (NotchLength - 1 - i), colour);
}
