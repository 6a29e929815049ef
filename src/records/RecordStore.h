// Where the best record lives between launches. The game asks it for the stored best and hands
// it a new one; the real store is a file per data set, and tests put one in memory in its place.
#pragma once

#include <optional>

class RecordStore {
public:
    // What became of a count offered to the store.
    struct Offer {
        // The best stored at that moment, before the count was offered (nothing when there was none).
        std::optional<int> stored;
        // Another game held the store: a count that could be a new best was not compared; offer it again.
        bool busy = false;
    };

    virtual ~RecordStore() = default;

    // The stored best, or nothing when there is none or it cannot be read.
    virtual std::optional<int> load() = 0;
    // At a game's end: reads the stored best again, as another game may have raised it meanwhile,
    // and keeps waves when it is higher, with no other game reading or writing in between. Never
    // waits for another game and never stops this one: a record that cannot be kept is only lost.
    virtual Offer keepIfHigher(int waves) = 0;
};
