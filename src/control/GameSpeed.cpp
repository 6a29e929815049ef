// The speed steps and Tab's fast-forward.
#include "control/GameSpeed.h"

int GameSpeed::of(bool tabHeld, int step)
{
    if (tabHeld)
        return FastForward;
    for (int speed : Steps)
        if (speed == step)
            return speed;
    return 1;
}

int GameSpeed::next(int step)
{
    constexpr int count = sizeof Steps / sizeof Steps[0];
    for (int i = 0; i + 1 < count; ++i)
        if (Steps[i] == step)
            return Steps[i + 1];
    return Steps[0];
}
