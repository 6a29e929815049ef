#include "game/BestRecord.h"

BestRecord::BestRecord(std::unique_ptr<RecordStore> recordStore)
    : store(std::move(recordStore))
{
    if (store)
        bestWaves = store->load().value_or(0);
}

void BestRecord::gameEnded(int wavesDefeated)
{
    beaten = wavesDefeated > bestWaves;
    if (!beaten)
        return;
    bestWaves = wavesDefeated;
    if (store)
        store->save(bestWaves);
}
