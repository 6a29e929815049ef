#include "checkpoint/CheckpointReader.h"

#include "checkpoint/CheckpointFields.h"
#include "checkpoint/CheckpointText.h"
#include "files/PlainText.h"
#include "invaders/InvaderKinds.h"
#include "stats/RunLimits.h"
#include "towers/TowerKinds.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <type_traits>

namespace {

std::optional<double> seconds(const std::string& text)
{
    const std::optional<double> value = PlainText::realNumber(text);
    if (!value || *value < 0.0 || *value > RunLimits::MaxSeconds)
        return std::nullopt;
    return value;
}

} // namespace

CheckpointReader::CheckpointReader(int version)
    : withTallies(version >= 2), withAim(version >= 3), withMode(version >= 4), withReplay(version >= 5) {}

void CheckpointReader::line(int number, const std::string& key, const std::string& value)
{
    where = "line " + std::to_string(number) + ": ";
    if (key == "Tower") {
        tower(value);
        return;
    }
    if (!seen.emplace(key, number).second) {
        fail(key + " is given twice");
        return;
    }
    if (key == "Wave")
        whole(value, checkpoint.waveNumber, 1, CheckpointText::MaxWave, "wave");
    else if (key == "Health")
        whole(value, checkpoint.health, 0, RunLimits::MaxAmount, "health");
    else if (key == "StartingHealth")
        whole(value, checkpoint.maxHealth, 1, RunLimits::MaxAmount, "starting health");
    else if (key == "Money")
        whole(value, checkpoint.money, 0, RunLimits::MaxAmount, "money");
    else if (key == "Difficulty")
        difficulty(value);
    else if (key == "Mode" && withMode)
        mode(value);
    else if (key == "Kinds" && withMode)
        kinds(value);
    else if (key == "Replay" && withReplay)
        replay(value);
    else if (!statistic(key, value))
        fail("unknown key " + key);
}

void CheckpointReader::finish()
{
    for (const char* key : {"Wave", "Health", "StartingHealth", "Money"})
        if (problem.empty() && seen.count(key) == 0)
            problem = std::string("no ") + key + " line";
    if (problem.empty() && (checkpoint.health < 1 || checkpoint.health > checkpoint.maxHealth))
        problem = "health " + std::to_string(checkpoint.health) + " is out of range (1 to the starting health " +
                  std::to_string(checkpoint.maxHealth) + ")";
    if (problem.empty() && checkpoint.mode == GameMode::Mixed && checkpoint.kinds.empty())
        problem = "a Mixed run without a Kinds line";
}

void CheckpointReader::fail(const std::string& what)
{
    if (problem.empty())
        problem = where + what;
}

void CheckpointReader::difficulty(const std::string& value)
{
    if (const std::optional<Difficulty::Level> level = Difficulty::named(value))
        checkpoint.difficulty = *level;
    else
        fail("difficulty '" + value + "' is not Easy, Normal or Hard");
}

void CheckpointReader::mode(const std::string& value)
{
    checkpoint.mode = parseGameMode(value).value_or(GameMode::Classic);
    if (!parseGameMode(value))
        fail("mode '" + value + "' is not Classic or Mixed");
}

void CheckpointReader::replay(const std::string& value)
{
    const bool plain = std::all_of(value.begin(), value.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_' || c == '.';
    });
    if (value.empty() || value.size() > CheckpointText::MaxReplayName || value[0] == '.' || !plain)
        fail("replay '" + PlainText::printable(value) + "' is not a replay's file name");
    else
        checkpoint.replay = value;
}

void CheckpointReader::kinds(const std::string& value)
{
    std::istringstream words(value);
    std::string word;
    while (problem.empty() && words >> word) {
        if (static_cast<int>(checkpoint.kinds.size()) >= CheckpointText::MaxSlots) {
            fail("more than " + std::to_string(CheckpointText::MaxSlots) + " kinds");
            return;
        }
        const int kind = word == CheckpointFields::NoKindWord ? -1 : InvaderKinds::named(word);
        if (kind < 0 && word != CheckpointFields::NoKindWord)
            fail("unknown invader kind '" + word + "'");
        checkpoint.kinds.push_back(kind);
    }
}

template <typename Field>
void CheckpointReader::whole(const std::string& value, Field& field, long long low, long long high, const char* what)
{
    if (const auto parsed = PlainText::wholeNumber(value, low, high))
        field = static_cast<Field>(*parsed);
    else
        fail(std::string(what) + " '" + value + "' is not a whole number from " + std::to_string(low) + " to " +
             std::to_string(high));
}

bool CheckpointReader::statistic(const std::string& key, const std::string& value)
{
    bool known = false;
    CheckpointFields::eachStatistic(checkpoint.statistics, [&](const char* name, auto& field) {
        if (key != name)
            return;
        known = true;
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, double>) {
            if (const auto parsed = seconds(value))
                field = *parsed;
            else
                fail(key + " '" + value + "' is not a number of seconds from 0 to 1e12");
        } else {
            whole(value, field, 0, RunLimits::highest<std::decay_t<decltype(field)>>(), name);
        }
    });
    return known;
}

void CheckpointReader::tower(const std::string& value)
{
    if (static_cast<int>(checkpoint.towers.size()) >= CheckpointText::MaxTowers) {
        fail("more than " + std::to_string(CheckpointText::MaxTowers) + " towers");
        return;
    }
    std::istringstream words(value);
    std::string name, edge, level;
    words >> name >> edge;
    CheckpointTower tower;
    tower.kind = TowerKinds::named(name);
    if (tower.kind < 0) {
        fail("unknown tower kind '" + name + "'");
        return;
    }
    whole(edge, tower.x, -CheckpointFields::MaxEdge, CheckpointFields::MaxEdge, "tower position");
    if (withTallies) {
        std::string destroyed, damage;
        words >> destroyed >> damage;
        whole(destroyed, tower.tally.invadersDestroyed, 0, RunLimits::MaxAmount, "invaders destroyed");
        whole(damage, tower.tally.damage, 0, RunLimits::MaxTotal, "damage dealt");
    }
    if (withAim) {
        std::string aim;
        words >> aim;
        tower.aim = TargetPriority::named(aim);
        if (!tower.aim && aim != CheckpointText::OwnAim)
            fail("aim '" + aim + "' is not Random, First, Strongest, Weakest, Nearest or Own");
    }
    while (problem.empty() && words >> level) {
        if (tower.levels.size() >= static_cast<std::size_t>(CheckpointText::MaxPathsPerTower)) {
            fail("more than " + std::to_string(CheckpointText::MaxPathsPerTower) + " upgrade paths");
            return;
        }
        tower.levels.push_back(0);
        whole(level, tower.levels.back(), 0, RunLimits::MaxAmount, "upgrade level");
    }
    checkpoint.towers.push_back(std::move(tower));
}
