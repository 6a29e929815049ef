// The checkpoint file's text: a version line, then one Key=Value line per figure and one "Tower"
// line per tower, every figure within the run's limits. Writing and reading are kept in one class so the two cannot drift apart; reading
// checks everything that does not depend on the data set, and refuses with a reason.
#pragma once

#include "app/CatalogueReader.h"
#include "app/Field.h"
#include "checkpoint/Checkpoint.h"
#include "stats/RunLimits.h"

#include <cstddef>
#include <optional>
#include <string>

class CheckpointText {
public:
    // The first line of every checkpoint this game writes; version 1 files (towers without their
    // tallies), version 2 files (towers without their aim), version 3 files (no mode: Classic) and
    // version 4 files (no replay) are read too.
    static constexpr const char* VersionLine = "squibble-siege checkpoint 5";
    // The longest replay name a checkpoint names.
    static constexpr std::size_t MaxReplayName = 128;
    // In place of a rule on a tower's line: the tower aims by its kind's own rule.
    static constexpr const char* OwnAim = "Own";
    // No checkpoint is longer: a longer file is refused before it is read whole.
    static constexpr std::size_t MaxBytes = 64 * 1024;
    // Towers stand at least a pixel apart on the field, so no run holds more.
    static constexpr int MaxTowers = Field::Width;
    // As many upgrade paths as a data set may give a tower kind.
    static constexpr int MaxPathsPerTower = CatalogueReader::MaxEntries;
    // The last wave a run reaches.
    static constexpr int MaxWave = RunLimits::MaxWave;
    // The largest block: the wave's invaders, two more each wave.
    static constexpr int MaxSlots = 2 * MaxWave + 14;

    struct Parsed {
        std::optional<Checkpoint> checkpoint;
        std::string problem; // why there is no checkpoint: one line, naming the line at fault
    };

    static std::string write(const Checkpoint& checkpoint);
    static Parsed parse(const std::string& text);
};
