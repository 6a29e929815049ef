// Where the best record lives between launches. The game asks it for the stored best and hands
// it a new one; the real store is a file per data set, and tests put one in memory in its place.
#pragma once

#include <optional>

class RecordStore {
public:
    virtual ~RecordStore() = default;

    // The stored best, or nothing when there is none or it cannot be read.
    virtual std::optional<int> load() = 0;
    // Keeps a new best; false when it could not be kept. Never stops the game.
    virtual bool save(int best) = 0;
};
