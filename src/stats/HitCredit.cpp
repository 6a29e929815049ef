#include "stats/HitCredit.h"

#include "invaders/Invader.h"
#include "stats/RunLimits.h"

#include <algorithm>
#include <utility>

HitCredit::HitCredit(int kind, std::shared_ptr<TowerTally> tally, GameStatistics* books)
    : kind(kind)
    , tally(std::move(tally))
    , books(books)
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
    if (books)
        books->damageDealt(kind, lost);
}
