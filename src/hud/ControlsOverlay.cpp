#include "hud/ControlsOverlay.h"

#include "app/Field.h"
#include "assets/BitmapFont.h"
#include "control/ControlTable.h"
#include "hud/CaptionBox.h"
#include "hud/FrameView.h"
#include "hud/KindsPage.h"

#include <allegro.h>
#include <algorithm>
#include <string>

namespace {

constexpr int CentreX = Field::CentreX;
constexpr int NoticeY = 40;
constexpr int NoticeHeight = Field::TextLine;
constexpr int HelpTop = 3;
constexpr int HelpLeft = 6;
constexpr int RowHeight = Field::TextLine;
// The page line stands at the foot of the sky, above the status row.
constexpr int PageLineY = 210;
constexpr int ColumnGap = 6;
constexpr int RowsThatFit = (PageLineY - HelpTop) / RowHeight;
// How much of the field's brightness shows through behind the help, of 255: a third.
constexpr int DimmedBrightness = 85;

} // namespace

int ControlsOverlay::pageCount()
{
    const int rows = static_cast<int>(ControlTable::rows().size());
    return std::max(1, (rows + RowsThatFit - 1) / RowsThatFit);
}

int ControlsOverlay::rowsPerPage()
{
    // The rows shared out evenly over the pages they need.
    const int rows = static_cast<int>(ControlTable::rows().size());
    return std::max(1, (rows + pageCount() - 1) / pageCount());
}

void ControlsOverlay::draw(BITMAP* target, const FrameView& view)
{
    if (!view.gameOver && view.speed > 1)
        drawTextf(view.fonts.main, target, SpeedX, SpeedY, "%dx", view.speed);
    if (view.helpShown) {
        drawHelp(target, view);
        return;
    }
    if (!view.notice.empty()) {
        CaptionBox::centred(target, CentreX, NoticeY, textWidth(view.fonts.main, view.notice.c_str()), NoticeHeight);
        drawTextCentered(view.fonts.main, target, CentreX, NoticeY, view.notice.c_str());
    }
}

void ControlsOverlay::drawHelp(BITMAP* target, const FrameView& view)
{
    const BitmapFont* font = view.fonts.small;
    const BitmapFont* keyFont = view.fonts.smallRed;
    const std::vector<Control>& rows = ControlTable::rows();
    int column = 0;
    for (const Control& control : rows)
        column = std::max(column, textWidth(keyFont, control.input));
    CaptionBox::dim(target, 0, 0, target->w, target->h, DimmedBrightness);
    // The Mixed mode adds the page of its kinds after the controls.
    const int pages = pageCount() + (view.invaderTypes ? 1 : 0);
    // Turning past the last page comes back to the first.
    const int page = (view.helpPage % pages + pages) % pages;
    if (pages > 1)
        drawTextCenteredf(font, target, CentreX, PageLineY, "Page %d of %d - Left / Right: turn, H: close", page + 1,
                          pages);
    if (page == pageCount()) {
        KindsPage::draw(target, view);
        return;
    }
    const std::size_t first = static_cast<std::size_t>(page * rowsPerPage());
    const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(rowsPerPage()));
    int y = HelpTop;
    for (std::size_t row = first; row < last; ++row) {
        drawText(keyFont, target, HelpLeft, y, rows[row].input);
        drawText(font, target, HelpLeft + column + ColumnGap, y, rows[row].does);
        y += RowHeight;
    }
}
