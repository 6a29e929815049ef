// One run kept as its inputs: what it was played with, the tape of its inputs and how it went.
#pragma once

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

struct Replay {
    // The format this game writes; older files are read while it can.
    static constexpr int FormatVersion = 1;
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
    // Frames played, and whether the run ended in game over (else it was closed or left).
    long long frames = 0;
    bool gameOver = false;
    // After each wave defeated, in order, then at the end.
    std::vector<RunMark> waves;
    RunMark end;
    std::string tape;
};
