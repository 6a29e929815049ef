// Reads a checkpoint's lines after its version line, as that version wrote them, into a
// checkpoint, stopping at the first fault with a reason naming its line.
#pragma once

#include "checkpoint/Checkpoint.h"

#include <map>
#include <string>

class CheckpointReader {
public:
    // Version 1 towers carry no tallies, version 2's no aim; the first three versions know no
    // mode, the first four no replay.
    explicit CheckpointReader(int version);

    std::string problem;
    Checkpoint checkpoint;

    void line(int number, const std::string& key, const std::string& value);

    // After the last line: what must be there is there, and health is within its range.
    void finish();

private:
    void fail(const std::string& what);
    void difficulty(const std::string& value);
    void mode(const std::string& value);
    // A file name in the replays folder: no path, nothing hidden, nothing to escape.
    void replay(const std::string& value);
    // "KIND KIND ...": the kind of every slot of the coming block by name, "-" for none.
    void kinds(const std::string& value);
    template <typename Field>
    void whole(const std::string& value, Field& field, long long low, long long high, const char* what);
    bool statistic(const std::string& key, const std::string& value);
    // "KIND X LEVEL...": the kind by name, the left edge, then the level of each upgrade path.
    void tower(const std::string& value);

    const bool withTallies;
    const bool withAim;
    const bool withMode;
    const bool withReplay;
    std::string where;
    std::map<std::string, int> seen;
};
