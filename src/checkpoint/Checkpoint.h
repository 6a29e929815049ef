// What a run needs to carry on from the start of a wave: a plain record of the game's state,
// written at each wave's start and at a close between waves, and kept apart from its file.
#pragma once

#include "difficulty/Difficulty.h"
#include "difficulty/GameMode.h"
#include "stats/GameStatistics.h"
#include "stats/TowerTally.h"
#include "towers/TargetPriority.h"

#include <optional>
#include <string>
#include <vector>

// One standing tower: its kind (0 LaserTurret, 1 MissileTurret, 2 TeslaCoil), its left edge on the
// baseline, the levels bought of each of its upgrade paths, in the catalogue's order, what it
// has destroyed and dealt this game, and what it aims at (none: its kind's own rule).
struct CheckpointTower {
    int kind = 0;
    int x = 0;
    std::vector<int> levels;
    TowerTally tally;
    std::optional<TargetPriority::Rule> aim;

    bool operator==(const CheckpointTower& other) const
    {
        return kind == other.kind && x == other.x && levels == other.levels &&
               tally.invadersDestroyed == other.tally.invadersDestroyed && tally.damage == other.tally.damage && aim == other.aim;
    }
};

struct Checkpoint {
    int waveNumber = 1; // the wave the run resumes before
    int health = 0;
    int maxHealth = 0;  // the starting health
    int money = 0;
    Difficulty::Level difficulty = Difficulty::Level::Normal; // a checkpoint that does not say is Normal's
    GameMode mode = GameMode::Classic; // a checkpoint that does not say is Classic's
    // The kind of every slot of the coming wave's block (-1 for none), in slot order; only the
    // Mixed mode's are kept.
    std::vector<int> kinds;
    std::vector<CheckpointTower> towers; // in the World's list order
    // The replay file recording the run so far, by its name in the replays folder (empty: none).
    std::string replay;
    StatisticsTotals statistics;         // time played included
};
