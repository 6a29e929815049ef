// The replays kept in the player's data folder (XDG_DATA_HOME/squibble-siege/replays): the last
// runs, named by when they began, and each mode and difficulty's best run for as long as it stays
// best. Written on a thread of its own through the safe file layer; each write replaces the whole
// file, so a run killed at any moment leaves its replay as of its last wave.
#pragma once

#include "files/FileWriter.h"
#include "replay/Replay.h"

#include <cstddef>
#include <optional>
#include <string>

class ReplayShelf {
public:
    static constexpr std::size_t KeptRuns = 20;

    // folder empty: nothing is kept.
    explicit ReplayShelf(std::string folder);
    // The replays folder in the player's data folder; empty when there is none.
    static std::string defaultFolder();

    // The file name of a run begun at this time (seconds since 1970) with this number.
    static std::string runName(long long startedAt, unsigned number);
    // The best run's file name of a mode and difficulty.
    static std::string bestName(const Replay& replay);

    // Writes the run under its name (queued; a newer state of the same run replaces one still
    // waiting). A finished run also takes the best's place when it defeated more waves than the
    // best kept, and the oldest runs beyond KeptRuns go.
    void keep(const std::string& name, const Replay& replay, bool finished);
    // The kept replay of that name, written first if it still waits; nothing when it cannot be
    // read or is not a replay.
    std::optional<Replay> load(const std::string& name);
    // Writes what waits now.
    void finish() { writer.finish(); }
    // Where the replays go; empty when nothing is kept.
    const std::string& folderPath() const { return folder; }

    // The work of keep, on the calling thread.
    static void store(const std::string& folder, const std::string& name, const Replay& replay, bool finished);

private:
    std::string folder;
    FileWriter writer;
};
