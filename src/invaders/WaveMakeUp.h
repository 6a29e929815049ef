// How the Mixed mode's waves are made up, as the data set says: from which wave each kind joins
// the block, what share of it the kind takes and in which rows, and every how many waves a boss
// leads it. The Squibbles fill what the kinds leave; wave 1 is theirs alone.
#pragma once

#include "invaders/InvaderKinds.h"

#include <array>
#include <vector>

class Config;

class WaveMakeUp {
public:
    // Where a kind stands in the block: the front rows first, the back rows first, or spread
    // evenly over the slots still free.
    enum class Rows { Front, Back, Spread };
    struct Share {
        int fromWave = 0; // 0: the kind never comes
        int percent = 0;  // of the block's slots
        Rows rows = Rows::Spread;
    };

    // No slot: where the boss's second cell is.
    static constexpr int NoKind = -1;

    // "Invader%d.FromWave", ".Share" and ".Rows" ("front", "back" or "spread") of each kind, and
    // "Invader%d.Every" of the boss; a key left out or out of range leaves the kind out.
    static WaveMakeUp read(Config& config);

    // The kind of every slot of a block of count (slot i: row i / 12, column i % 12, the last row
    // in front); on a boss's wave the boss takes the middle two slots of the front row, the
    // second of them NoKind.
    std::vector<int> kindsFor(int waveNumber, int count) const;
    bool bossWave(int waveNumber) const { return bossEvery > 0 && waveNumber > 0 && waveNumber % bossEvery == 0; }
    // The kinds a player meets for the first time in this wave.
    std::vector<int> newIn(int waveNumber) const;

    std::array<Share, InvaderKinds::Count> shares{};
    int bossEvery = 0;
};
