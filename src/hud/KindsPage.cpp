#include "hud/KindsPage.h"

#include "app/InvaderType.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "hud/FrameView.h"
#include "invaders/InvaderKinds.h"

namespace {

constexpr int Top = 6;
constexpr int PictureLeft = 8;
constexpr int TextLeft = 48;
constexpr int TitleGap = 12;
// Every kind's row is as tall as the tallest picture (the boss's) and a little more.
constexpr int RowGap = 4;
constexpr int MinimumRow = 16;

} // namespace

void KindsPage::draw(BITMAP* target, const FrameView& view)
{
    if (!view.invaderTypes)
        return;
    drawText(view.fonts.main, target, PictureLeft, Top, "The invaders of the Mixed mode");
    int y = Top + TitleGap;
    for (int kind = 0; kind < InvaderKinds::Count; ++kind) {
        const InvaderType& type = view.invaderTypes[kind];
        const int height = SpriteSheet::firstFrameHeight(type.spriteSheet);
        if (type.spriteSheet && !type.spriteSheet->empty())
            type.spriteSheet->draw(target, PictureLeft, y, 0, 0.0f);
        const char* name = type.name.empty() ? InvaderKinds::nameOf(kind) : type.name.c_str();
        drawText(view.fonts.smallRed, target, TextLeft, y, name);
        // The Squibble has no hint of its own: every tower hurts it.
        drawText(view.fonts.small, target, TextLeft, y + 8, type.hint.empty() ? "any tower hurts it" : type.hint.c_str());
        y += std::max(MinimumRow + RowGap, height + RowGap);
    }
}
