// The most waves defeated with this data set: read from its store when the game starts, compared
// with each game at its end against the store as it is then (another game may share it), and
// stored again when beaten.
#pragma once

#include "game/RecordStore.h"

#include <memory>

class BestRecord {
public:
    // Reads the stored best; without a store the record lasts only as long as the process.
    explicit BestRecord(std::unique_ptr<RecordStore> store = nullptr);

    // At game over: a count above the stored best becomes the best, is stored and counts as
    // beaten; a higher best stored meanwhile by another game becomes this one's best.
    void gameEnded(int wavesDefeated);
    // A new game begins: the last game's "New best!" goes.
    void newGame() { beaten = false; }

    int best() const { return bestWaves; }
    // Whether the game that just ended set a new best.
    bool newBest() const { return beaten; }

private:
    std::unique_ptr<RecordStore> store;
    int bestWaves = 0;
    bool beaten = false;
};
