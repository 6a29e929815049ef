// The most waves defeated with this data set: read from its store when the game starts, compared
// with each game at its end against the store as it is then (another game may share it), and
// stored again when beaten. While another game holds the store, the count waits: it is offered
// again in the frames that follow, for about a second, and once more when the game closes.
#pragma once

#include "records/RecordStore.h"

#include <memory>
#include <optional>

class BestRecord {
public:
    // How long a count is offered again while the store is held elsewhere, and how often: each
    // offer reads the file and tries its lock, too much to do in every frame.
    static constexpr double RetrySeconds = 1.0;
    static constexpr double RetrySpacing = 0.1;

    // Reads the stored best; without a store the record lasts only as long as the process.
    explicit BestRecord(std::unique_ptr<RecordStore> store = nullptr);

    // At game over: a count above the stored best becomes the best, is stored and counts as
    // beaten; a higher best stored meanwhile by another game becomes this one's best.
    void gameEnded(int wavesDefeated);
    // Every frame, now in seconds: a count that found the store held is offered again every
    // RetrySpacing, until RetrySeconds have passed since the first such frame; then it waits for
    // close(), said once.
    void retry(double now);
    // When the game closes: a count still waiting is offered one last time.
    void close();
    // A new game begins: the last game's "New best!" goes.
    void newGame()
    {
        beaten = false;
        showingGameOver = false;
    }

    int best() const { return bestWaves; }
    // Whether the game that just ended set a new best.
    bool newBest() const { return beaten; }

private:
    // Offers the count; returns whether the store took it (compared, kept or refused).
    bool offer(int count);

    std::unique_ptr<RecordStore> store;
    // The best shown, and the best known to be stored (without a count still waiting).
    int bestWaves = 0;
    int knownBest = 0;
    bool beaten = false;
    // The count of the game that ended last.
    int lastEnded = 0;
    bool showingGameOver = false;
    // A count the store was too busy to compare, and when the retries of it end.
    std::optional<int> waiting;
    std::optional<double> retryUntil;
    double nextRetry = 0.0;
    bool retriesOver = false;
};
