#include "records/BestRecord.h"

#include <algorithm>
#include <cstdio>

BestRecord::BestRecord(std::unique_ptr<RecordStore> recordStore)
    : store(std::move(recordStore))
{
    if (store)
        bestWaves = knownBest = store->load().value_or(0);
}

bool BestRecord::offer(int count)
{
    const RecordStore::Offer offered = store ? store->keepIfHigher(count) : RecordStore::Offer();
    // The best this game has seen counts too: a store without a folder keeps nothing between games.
    const int stored = std::max(offered.stored.value_or(0), knownBest);
    // "New best!" belongs to the game-over screen of the last game, and to its own count.
    beaten = showingGameOver && lastEnded > stored;
    bestWaves = std::max(stored, count);
    if (!offered.busy)
        knownBest = bestWaves;
    return !offered.busy;
}

void BestRecord::gameEnded(int wavesDefeated)
{
    showingGameOver = true;
    lastEnded = wavesDefeated;
    const int count = std::max(wavesDefeated, waiting.value_or(0));
    waiting.reset();
    if (!offer(count)) {
        waiting = count;
        retryUntil.reset();
        retriesOver = false;
    }
}

void BestRecord::retry(double now)
{
    if (!waiting || retriesOver || (retryUntil && now < nextRetry))
        return;
    if (!retryUntil)
        retryUntil = now + RetrySeconds;
    nextRetry = now + RetrySpacing;
    if (offer(*waiting)) {
        waiting.reset();
    } else if (now >= *retryUntil) {
        retriesOver = true;
        std::fprintf(stderr,
                     "squibble-siege: best record: another game holds its lock; this game's %d waves are offered "
                     "again when it closes\n",
                     *waiting);
    }
}

void BestRecord::close()
{
    if (!waiting)
        return;
    const int count = *waiting;
    waiting.reset();
    if (!offer(count))
        std::fprintf(stderr,
                     "squibble-siege: best record: another game still holds its lock; this game's %d waves are not "
                     "kept\n",
                     count);
}
