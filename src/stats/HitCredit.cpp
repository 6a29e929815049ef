#include "stats/HitCredit.h"

#include "app/Application.h"
#include "game/World.h"
#include "invaders/Invader.h"
#include "stats/RunLimits.h"

#include <algorithm>
#include <utility>

HitCredit::HitCredit(int kind, std::shared_ptr<TowerTally> tally)
    : kind(kind)
    , tally(std::move(tally))
{
}

void HitCredit::damage(Invader& invader, int amount) const
{
    const long long before = std::max(invader.health, 0);
    invader.takeDamage(amount);
    const long long lost = before - std::max(invader.health, 0);
    if (lost <= 0)
        return;
    const bool finished = invader.health <= 0;
    if (tally) {
        RunLimits::add(tally->damage, lost);
        if (finished)
            RunLimits::add(tally->invadersDestroyed, 1);
    }
    if (World* world = Application::instance().world)
        world->statistics.damageDealt(kind, lost);
}
