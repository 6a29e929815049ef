#include "hud/ControlsOverlay.h"

#include "app/Application.h"
#include "assets/BitmapFont.h"
#include "control/KeyboardControls.h"
#include "game/Field.h"
#include "game/World.h"

#include <allegro.h>
#include <algorithm>
#include <string>

namespace {

constexpr int CentreX = Field::CentreX;
constexpr int NoticeY = 40;
constexpr int HelpTop = 3;
constexpr int HelpLeft = 6;
// Rows are this far apart, closer when the table would reach the status row.
constexpr int RowHeight = 9;
constexpr int StatusTop = Field::StatusTop;
constexpr int ColumnGap = 6;
// How much of the field's brightness shows through behind the help.
constexpr int DimmedShare = 3;

// Darkens the rectangle to a third of its brightness, so the table reads over any field.
void dim(BITMAP* target, int left, int top, int right, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, target->h); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, target->w); ++x) {
            const int pixel = getpixel(target, x, y);
            putpixel(target, x, y,
                     makecol(getr(pixel) / DimmedShare, getg(pixel) / DimmedShare, getb(pixel) / DimmedShare));
        }
    }
}

} // namespace

ControlsOverlay::ControlsOverlay(const World& world)
    : world(world)
{
}

void ControlsOverlay::draw(BITMAP* target) const
{
    const Application& app = *world.app;
    const int speed = app.settings.inEffect().speed;
    if (!world.gameOver && speed > 1)
        drawTextf(app.fontMain.get(), target, SpeedX, SpeedY, "%dx", speed);
    if (world.keys().helpShown()) {
        drawHelp(target);
        return;
    }
    const std::string notice = world.keys().notice();
    if (!notice.empty())
        drawTextCentered(app.fontMain.get(), target, CentreX, NoticeY, notice.c_str());
}

void ControlsOverlay::drawHelp(BITMAP* target) const
{
    const Application& app = *world.app;
    const BitmapFont* font = app.fontSmall.get();
    const BitmapFont* keyFont = app.fontSmallRed.get();
    int column = 0;
    for (const Control& control : KeyboardControls::table())
        column = std::max(column, textWidth(keyFont, control.input));
    dim(target, 0, 0, target->w, target->h);
    const int rows = static_cast<int>(KeyboardControls::table().size());
    const int spacing = std::min(RowHeight, (StatusTop - HelpTop) / std::max(rows, 1));
    int y = HelpTop;
    for (const Control& control : KeyboardControls::table()) {
        drawText(keyFont, target, HelpLeft, y, control.input);
        drawText(font, target, HelpLeft + column + ColumnGap, y, control.does);
        y += spacing;
    }
}
