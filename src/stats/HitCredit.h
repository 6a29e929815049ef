// Who a hit is credited to: the kind of tower that fired it, that tower's own tally and the books
// of the game it was built in. Every shot and strike damages invaders through its credit, so the
// game's books and the tower's figures count exactly the health the invaders lost.
#pragma once

#include "stats/GameStatistics.h"
#include "stats/TowerTally.h"

#include <memory>

class Invader;

class HitCredit {
public:
    // Credits nobody: the damage is done and counted nowhere.
    HitCredit() = default;
    // Books kept nowhere (null) count for the tower alone.
    HitCredit(int kind, std::shared_ptr<TowerTally> tally, GameStatistics* books);

    // Damages the invader and books the health it really lost (a last hit only down to 0) for
    // the tower and, in the game's books, for its kind.
    void damage(Invader& invader, int amount) const;

private:
    int kind = -1;
    std::shared_ptr<TowerTally> tally;
    GameStatistics* books = nullptr;
};
