// Compares a run played again with what its replay recorded, wave by wave then at the end.
#pragma once

#include "replay/Replay.h"

#include <string>
#include <vector>

struct ReplayOutcome {
    std::vector<RunMark> waves;
    RunMark end;
    bool gameOver = false;
    // The tape went another way than the game, or ended before the frames did.
    bool tapeBroken = false;
    long long frames = 0;
    // Why a resumed part could not go on from where the part before it ended (tapeBroken is set).
    std::string partProblem;
};

class ReplayCheck {
public:
    // Why a replay cannot be played by this game with this data set: one line, or empty.
    static std::string refusal(const Replay& replay, const std::string& gameVersion, const std::string& dataChecksum,
                               double stepLength);
    // Empty when the outcome is the one recorded; else one line naming the first wave that differs.
    static std::string firstDifference(const Replay& recorded, const ReplayOutcome& outcome);
    // The wave the difference was found in (0 when none).
    static int differingWave(const Replay& recorded, const ReplayOutcome& outcome);
    // "wave 12, money 340, health 7, ..." for a report.
    static std::string describe(const RunMark& mark);
};
