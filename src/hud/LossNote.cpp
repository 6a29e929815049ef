#include "hud/LossNote.h"

void LossNote::reset(int health)
{
    last = health;
    lost = 0;
    since = Shown;
}

void LossNote::follow(int health, double dt, bool waveMarching)
{
    if (health < last && waveMarching) {
        // A loss while the last one still shows adds to it.
        lost = since < Shown ? lost + (last - health) : last - health;
        since = 0.0;
    } else {
        since += dt;
    }
    last = health;
}
