// The books of one game: what the player defeated, let through, earned, spent and built, the damage
// each tower kind dealt and the game time played. Fed by the game's own events as they happen, read
// by the game-over screen, the checkpoints and the tools alike.
#pragma once

#include "invaders/InvaderKinds.h"
#include "towers/TowerKinds.h"

#include <array>

// The figures themselves, a plain record (a checkpoint stores and restores it whole).
struct StatisticsTotals {
    int wavesDefeated = 0;
    int invadersDestroyed = 0;
    int invadersEscaped = 0;
    long long moneyFromKills = 0;
    long long moneyFromEarlyCalls = 0;
    long long moneySpentOnTowers = 0;
    long long moneySpentOnUpgrades = 0;
    long long moneyRefunded = 0;
    int towersBuilt = 0;
    int upgradesBought = 0;
    int towersDemolished = 0;
    // Health taken off invaders by each tower kind (a last hit counts only down to 0).
    std::array<long long, TowerKinds::Count> damageByKind{};
    // Invaders destroyed of each kind (the Squibble first).
    std::array<int, InvaderKinds::Count> destroyedByKind{};
    double timePlayed = 0.0; // seconds of game time, pauses excluded

    long long moneyEarned() const { return moneyFromKills + moneyFromEarlyCalls; }
    long long moneySpent() const { return moneySpentOnTowers + moneySpentOnUpgrades; }
    bool operator==(const StatisticsTotals& other) const;
};

class GameStatistics {
public:
    void waveDefeated();
    // An invader of a kind (0 the Squibble) destroyed, paying reward.
    void invaderDestroyed(int reward, int kind = InvaderKinds::SquibbleKind);
    void invaderEscaped();
    void earlyCall(int bonus);
    void towerBuilt(int price);
    void upgradeBought(int price);
    void towerDemolished(int refund);
    // Damage by a tower of kind 0, 1 or 2; other kinds are not counted.
    void damageDealt(int kind, long long amount);
    void timePassed(double seconds);

    // Game over: the books are closed, and what still happens on the greyed field (a shot in
    // flight finishing an invader) counts nowhere until the next game.
    void close() { closed = true; }
    // A new game: every figure back to 0, the books open.
    void reset() { restore(StatisticsTotals()); }
    // A resumed game carries on from its checkpoint's figures.
    void restore(const StatisticsTotals& totals)
    {
        figures = totals;
        closed = false;
    }
    const StatisticsTotals& totals() const { return figures; }

private:
    StatisticsTotals figures;
    bool closed = false;
};
