#include "game/BestRecord.h"

#include <algorithm>

BestRecord::BestRecord(std::unique_ptr<RecordStore> recordStore)
    : store(std::move(recordStore))
{
    if (store)
        bestWaves = store->load().value_or(0);
}

void BestRecord::gameEnded(int wavesDefeated)
{
    // The best this game has seen counts too: a store without a folder keeps nothing between games.
    const int stored = std::max(store ? store->keepIfHigher(wavesDefeated).value_or(0) : 0, bestWaves);
    beaten = wavesDefeated > stored;
    bestWaves = std::max(stored, wavesDefeated);
}
