#include "control/RedrawGate.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

auto fields(const StillPicture& p)
{
    return std::tie(p.still, p.ticking, p.pointerX, p.pointerY, p.pointerOnPicture, p.buttons, p.screens, p.keysTaken,
                    p.windowReturns, p.mode, p.paused, p.helpShown, p.gameOver, p.best, p.notice, p.pauseHintLit,
                    p.warningLit);
}

} // namespace

bool RedrawGate::needed(const StillPicture& now)
{
    if (now.still && !now.ticking && shown && fields(*shown) == fields(now))
        return false;
    shown = now;
    return true;
}

int RedrawGate::restMilliseconds(double frameTime, double sinceFrameStart)
{
    const double left = frameTime - sinceFrameStart;
    // Written so that not-a-number rests not at all.
    if (!(left > 0.0))
        return 0;
    return static_cast<int>(std::ceil(std::min(left * 1000.0, static_cast<double>(LongestRest))));
}
