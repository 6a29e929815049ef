// One run kept as its inputs: what it was played with, the tape of its inputs and how it went.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How the game stood at one moment: after a wave was defeated, or at the run's end.
struct RunMark {
    int wave = 0;
    long long money = 0;
    int health = 0;
    int invadersDestroyed = 0;
    int invadersEscaped = 0;
    long long moneyEarned = 0;
    long long moneySpent = 0;
    int towersBuilt = 0;
    int upgradesBought = 0;

    bool operator==(const RunMark& other) const;
    bool operator!=(const RunMark& other) const { return !(*this == other); }
};

// A later part of a run: the run was closed and resumed from its checkpoint in a later launch.
struct ReplayPart {
    // The checkpoint's text the part starts from.
    std::string checkpoint;
    std::uint32_t seed = 0;
    long long frames = 0;
    std::string tape;
};

struct Replay {
    // The format this game writes; older files are read while it can.
    static constexpr int FormatVersion = 2;
    // No run is resumed more often than this in a replay.
    static constexpr std::size_t MaxParts = 10000;
    // The mode of a replay that names none.
    static constexpr const char* ClassicMode = "Classic";

    int formatVersion = FormatVersion;
    std::string gameVersion;
    // The data set's checksum (the name its best record and checkpoint go by).
    std::string dataChecksum;
    std::uint32_t seed = 0;
    std::string difficulty;
    std::string mode = ClassicMode;
    // The longest game step the run was played with.
    double stepLength = 0.0;
    // Frames played in the first part, and whether the run ended in game over (else it was closed
    // or left).
    long long frames = 0;
    bool gameOver = false;
    // After each wave defeated, in order, then at the end.
    std::vector<RunMark> waves;
    RunMark end;
    // The first part's tape, and the checkpoint's text it starts from: empty for a run from its
    // first wave, else a resumed run whose earlier part was not found.
    std::string tape;
    std::string start;
    // The parts played after each resumption, in order.
    std::vector<ReplayPart> resumed;

    long long totalFrames() const;
    // The part being played last.
    long long& lastFrames() { return resumed.empty() ? frames : resumed.back().frames; }
    std::string& lastTape() { return resumed.empty() ? tape : resumed.back().tape; }
};
