// Where the best record lives between launches. The game asks it for the stored best and hands
// it a new one; the real store is a file per data set, and tests put one in memory in its place.
#pragma once

#include <optional>

class RecordStore {
public:
    virtual ~RecordStore() = default;

    // The stored best, or nothing when there is none or it cannot be read.
    virtual std::optional<int> load() = 0;
    // At a game's end: reads the stored best again, as another game may have raised it meanwhile,
    // and keeps waves when it is higher, with no other game reading or writing in between.
    // Returns the best stored at that moment, before waves was offered (nothing when there was
    // none). Never stops the game: a record that cannot be kept is only lost.
    virtual std::optional<int> keepIfHigher(int waves) = 0;
};
