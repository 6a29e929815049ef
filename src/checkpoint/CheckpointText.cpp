#include "checkpoint/CheckpointText.h"

#include "checkpoint/CheckpointFields.h"
#include "checkpoint/CheckpointReader.h"
#include "files/PlainText.h"
#include "invaders/InvaderKinds.h"
#include "stats/RunLimits.h"
#include "towers/TowerKinds.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <type_traits>

namespace {

constexpr const char* VersionPrefix = "squibble-siege checkpoint ";
constexpr const char* FirstVersionLine = "squibble-siege checkpoint 1";
constexpr const char* SecondVersionLine = "squibble-siege checkpoint 2";
constexpr const char* ThirdVersionLine = "squibble-siege checkpoint 3";
constexpr const char* FourthVersionLine = "squibble-siege checkpoint 4";

std::string format(double value)
{
    // The digits read back to the very same double, so a checkpoint loaded and saved again is the
    // same file.
    return PlainText::real(value);
}

} // namespace

std::string CheckpointText::write(const Checkpoint& checkpoint)
{
    std::string text = std::string(VersionLine) + "\n";
    text += "Wave=" + std::to_string(checkpoint.waveNumber) + "\n";
    text += "Health=" + std::to_string(checkpoint.health) + "\n";
    text += "StartingHealth=" + std::to_string(checkpoint.maxHealth) + "\n";
    text += "Money=" + std::to_string(checkpoint.money) + "\n";
    text += std::string("Difficulty=") + Difficulty::nameOf(checkpoint.difficulty) + "\n";
    text += std::string("Mode=") + gameModeName(checkpoint.mode) + "\n";
    for (std::size_t slot = 0; slot < checkpoint.kinds.size(); ++slot)
        text += (slot == 0 ? "Kinds=" : " ") + std::string(checkpoint.kinds[slot] < 0 ? CheckpointFields::NoKindWord : InvaderKinds::nameOf(checkpoint.kinds[slot])) +
                (slot + 1 == checkpoint.kinds.size() ? "\n" : "");
    if (!checkpoint.replay.empty())
        text += "Replay=" + checkpoint.replay + "\n";
    for (const CheckpointTower& tower : checkpoint.towers) {
        text += std::string("Tower=") + TowerKinds::nameOf(tower.kind) + " " + std::to_string(tower.x) + " " +
                std::to_string(tower.tally.invadersDestroyed) + " " + std::to_string(tower.tally.damage) + " " +
                (tower.aim ? TargetPriority::nameOf(*tower.aim) : OwnAim);
        for (int level : tower.levels)
            text += " " + std::to_string(level);
        text += "\n";
    }
    CheckpointFields::eachStatistic(checkpoint.statistics, [&text](const char* name, const auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, double>)
            text += std::string(name) + "=" + format(field) + "\n";
        else
            text += std::string(name) + "=" + std::to_string(field) + "\n";
    });
    return text;
}

CheckpointText::Parsed CheckpointText::parse(const std::string& text)
{
    if (text.size() > MaxBytes)
        return {std::nullopt, "longer than " + std::to_string(MaxBytes) + " bytes"};
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    line = PlainText::trim(line);
    const char* const versions[] = {FirstVersionLine, SecondVersionLine, ThirdVersionLine, FourthVersionLine, VersionLine};
    const auto known = std::find(std::begin(versions), std::end(versions), line);
    if (known == std::end(versions)) {
        if (line.rfind(VersionPrefix, 0) == 0)
            return {std::nullopt, "unknown version '" + line.substr(std::string(VersionPrefix).size()) + "'"};
        return {std::nullopt, "not a checkpoint: the first line is not '" + std::string(VersionLine) + "'"};
    }
    CheckpointReader reader(static_cast<int>(known - std::begin(versions)) + 1);
    for (int number = 2; reader.problem.empty() && std::getline(lines, line); ++number) {
        line = PlainText::trim(line);
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            reader.problem = "line " + std::to_string(number) + ": no '=' in it";
            break;
        }
        reader.line(number, PlainText::trim(line.substr(0, equals)), PlainText::trim(line.substr(equals + 1)));
    }
    if (reader.problem.empty())
        reader.finish();
    if (!reader.problem.empty())
        return {std::nullopt, reader.problem};
    return {reader.checkpoint, ""};
}
