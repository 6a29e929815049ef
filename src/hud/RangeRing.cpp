#include "hud/RangeRing.h"

#include "app/Field.h"
#include "assets/AnimatedSprite.h"
#include "assets/Palette.h"
#include "assets/SpriteSheet.h"
#include "control/WorldMode.h"
#include "hud/FrameView.h"
#include "hud/TowerFiguresPanel.h"
#include "towers/Building.h"
#include "towers/TeslaCoil.h"
#include "towers/TowerKinds.h"

#include <allegro.h>

#include <cmath>

namespace {

// The pale blue of the tesla's glow for the reach now, and yellow for the reach after the hovered
// upgrade.
constexpr PaletteColour Now = Palette::PaleBlue;
constexpr PaletteColour After = Palette::Yellow;
// A ring larger than this would only cost time: it lies outside the picture anyway.
constexpr double LargestRadius = 1000.0;

void dot(BITMAP* target, int x, int y, int colour)
{
    if (((x + y) & 1) == 0 && y <= Field::Bottom)
        putpixel(target, x, y, colour);
}

} // namespace

void RangeRing::drawDotted(BITMAP* target, int cx, int cy, int radius, int colour)
{
    // Midpoint circle, one octant mirrored eight ways.
    int x = radius;
    int y = 0;
    int error = 1 - radius;
    while (x >= y) {
        for (const int sx : {x, -x})
            for (const int sy : {y, -y}) {
                dot(target, cx + sx, cy + sy, colour);
                dot(target, cx + sy, cy + sx, colour);
            }
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}

void RangeRing::drawColumn(BITMAP* target, int cx, int top, int halfWidth, int colour)
{
    for (int y = 0; y <= top; ++y) {
        dot(target, cx - halfWidth, y, colour);
        dot(target, cx + halfWidth, y, colour);
    }
}

void RangeRing::draw(BITMAP* target, const FrameView& view, const FiguresSubject& subject)
{
    if (!subject.shown || view.mode == Idle)
        return;
    const bool column = subject.kind == TowerKinds::Laser && view.laserColumn > 0;
    if (subject.now.range <= 0.0 && !column)
        return;
    int cx = 0;
    int height = 0;
    if (const Building* tower = subject.tower) {
        height = tower->sprite ? tower->sprite->height() : 0;
        cx = tower->centreLine();
    } else {
        const SpriteSheet* sheet = view.catalogue[subject.kind].spriteSheet;
        // The tower being placed is centred where the preview stands.
        cx = view.previewX;
        height = SpriteSheet::firstFrameHeight(sheet);
    }
    if (column) {
        // A bolt strikes every invader whose middle passes within its reach of the centre line.
        drawColumn(target, cx, view.towerBaseline - height, view.laserColumn, Palette::colour(Now));
        return;
    }
    const int cy = view.towerBaseline - height / 2 - TeslaCoil::StrikePointRise;
    const auto radius = [](double range) { return static_cast<int>(std::lround(std::fmin(range, LargestRadius))); };
    drawDotted(target, cx, cy, radius(subject.now.range), Palette::colour(Now));
    if (subject.path >= 0 && radius(subject.after.range) != radius(subject.now.range))
        drawDotted(target, cx, cy, radius(subject.after.range), Palette::colour(After));
}
