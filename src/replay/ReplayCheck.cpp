#include "replay/ReplayCheck.h"

#include "difficulty/GameMode.h"

#include <algorithm>

std::string ReplayCheck::refusal(const Replay& replay, const std::string& gameVersion, const std::string& dataChecksum,
                                 double stepLength)
{
    if (replay.dataChecksum != dataChecksum)
        return "recorded with another data set (checksum " + replay.dataChecksum + ", this one's is " + dataChecksum +
               ")";
    if (replay.gameVersion != gameVersion)
        return "recorded with game version " + replay.gameVersion + ", this is " + gameVersion;
    if (replay.stepLength != stepLength)
        return "recorded with another step length (" + std::to_string(replay.stepLength) + " s, this game steps " +
               std::to_string(stepLength) + " s)";
    if (!parseGameMode(replay.mode))
        return "recorded in the mode " + replay.mode + ", which this game does not have";
    return "";
}

int ReplayCheck::differingWave(const Replay& recorded, const ReplayOutcome& outcome)
{
    // A part that could not go on from the last ends the comparison where it stopped.
    if (!outcome.partProblem.empty())
        return std::max(outcome.end.wave, 1);
    const std::size_t waves = std::min(recorded.waves.size(), outcome.waves.size());
    for (std::size_t i = 0; i < waves; ++i)
        if (recorded.waves[i] != outcome.waves[i])
            return static_cast<int>(i) + 1;
    if (recorded.waves.size() != outcome.waves.size())
        return static_cast<int>(waves) + 1;
    if (outcome.tapeBroken || recorded.end != outcome.end || recorded.gameOver != outcome.gameOver ||
        recorded.totalFrames() != outcome.frames)
        return recorded.end.wave;
    return 0;
}

std::string ReplayCheck::firstDifference(const Replay& recorded, const ReplayOutcome& outcome)
{
    const int wave = differingWave(recorded, outcome);
    if (wave == 0)
        return "";
    const std::size_t index = static_cast<std::size_t>(wave - 1);
    std::string line = "wave " + std::to_string(wave) + " differs: ";
    if (!outcome.partProblem.empty())
        return line + outcome.partProblem;
    if (index < recorded.waves.size() && index < outcome.waves.size())
        return line + "recorded " + describe(recorded.waves[index]) + "; played " + describe(outcome.waves[index]);
    if (index < recorded.waves.size() || index < outcome.waves.size())
        return line + (index < recorded.waves.size() ? "recorded defeated, played not" : "played defeated, recorded not");
    if (outcome.tapeBroken)
        return line + "the inputs went another way than the game";
    return line + "at the end recorded " + describe(recorded.end) + (recorded.gameOver ? " (game over)" : "") +
           "; played " + describe(outcome.end) + (outcome.gameOver ? " (game over)" : "");
}

std::string ReplayCheck::describe(const RunMark& mark)
{
    return "wave " + std::to_string(mark.wave) + ", money " + std::to_string(mark.money) + ", health " +
           std::to_string(mark.health) + ", destroyed " + std::to_string(mark.invadersDestroyed) + ", escaped " +
           std::to_string(mark.invadersEscaped) + ", earned " + std::to_string(mark.moneyEarned) + ", spent " +
           std::to_string(mark.moneySpent) + ", towers " + std::to_string(mark.towersBuilt) + ", upgrades " +
           std::to_string(mark.upgradesBought);
}
