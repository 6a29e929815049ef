#include "checkpoint/CheckpointText.h"

#include "files/PlainText.h"
#include "stats/RunLimits.h"
#include "towers/TowerKinds.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <type_traits>

namespace {

constexpr const char* VersionPrefix = "squibble-siege checkpoint ";
// Towers of the first version carry no tallies, those of the second no aim.
constexpr const char* FirstVersionLine = "squibble-siege checkpoint 1";
constexpr const char* SecondVersionLine = "squibble-siege checkpoint 2";
// Left edges beyond this are off any field; the data set's own check is narrower.
constexpr long long MaxEdge = 100000;

// Every figure of the statistics with its key, in the file's order: the one place that lists
// them, for writing and reading alike. A new figure is one line here.
template <typename Totals, typename Visit>
void eachStatistic(Totals& totals, Visit&& visit)
{
    visit("WavesDefeated", totals.wavesDefeated);
    visit("InvadersDestroyed", totals.invadersDestroyed);
    visit("InvadersEscaped", totals.invadersEscaped);
    visit("MoneyFromKills", totals.moneyFromKills);
    visit("MoneyFromEarlyCalls", totals.moneyFromEarlyCalls);
    visit("MoneySpentOnTowers", totals.moneySpentOnTowers);
    visit("MoneySpentOnUpgrades", totals.moneySpentOnUpgrades);
    visit("MoneyRefunded", totals.moneyRefunded);
    visit("TowersBuilt", totals.towersBuilt);
    visit("UpgradesBought", totals.upgradesBought);
    visit("TowersDemolished", totals.towersDemolished);
    for (int kind = 0; kind < TowerKinds::Count; ++kind)
        visit(("DamageBy" + std::string(TowerKinds::nameOf(kind))).c_str(), totals.damageByKind[kind]);
    visit("TimePlayed", totals.timePlayed);
}

std::optional<double> seconds(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value) || value < 0.0 ||
        value > RunLimits::MaxSeconds)
        return std::nullopt;
    return value;
}

std::string format(double value)
{
    // The digits read back to the very same double, so a checkpoint loaded and saved again is the
    // same file.
    return PlainText::real(value);
}

// Reads the lines after the version line into a checkpoint, stopping at the first fault.
class Reader {
public:
    Reader(bool withTallies, bool withAim) : withTallies(withTallies), withAim(withAim) {}

    std::string problem;
    Checkpoint checkpoint;

    void line(int number, const std::string& key, const std::string& value)
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
        else if (!statistic(key, value))
            fail("unknown key " + key);
    }

    // After the last line: what must be there is there, and health is within its range.
    void finish()
    {
        for (const char* key : {"Wave", "Health", "StartingHealth", "Money"})
            if (problem.empty() && seen.count(key) == 0)
                problem = std::string("no ") + key + " line";
        if (problem.empty() && (checkpoint.health < 1 || checkpoint.health > checkpoint.maxHealth))
            problem = "health " + std::to_string(checkpoint.health) + " is out of range (1 to the starting health " +
                      std::to_string(checkpoint.maxHealth) + ")";
    }

private:
    void fail(const std::string& what)
    {
        if (problem.empty())
            problem = where + what;
    }

    void difficulty(const std::string& value)
    {
        if (const std::optional<Difficulty::Level> level = Difficulty::named(value))
            checkpoint.difficulty = *level;
        else
            fail("difficulty '" + value + "' is not Easy, Normal or Hard");
    }

    template <typename Field>
    void whole(const std::string& value, Field& field, long long low, long long high, const char* what)
    {
        if (const auto parsed = PlainText::wholeNumber(value, low, high))
            field = static_cast<Field>(*parsed);
        else
            fail(std::string(what) + " '" + value + "' is not a whole number from " + std::to_string(low) + " to " +
                 std::to_string(high));
    }

    bool statistic(const std::string& key, const std::string& value)
    {
        bool known = false;
        eachStatistic(checkpoint.statistics, [&](const char* name, auto& field) {
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

    // "KIND X LEVEL...": the kind by name, the left edge, then the level of each upgrade path.
    void tower(const std::string& value)
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
        whole(edge, tower.x, -MaxEdge, MaxEdge, "tower position");
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

    const bool withTallies;
    const bool withAim;
    std::string where;
    std::map<std::string, int> seen;
};

} // namespace

std::string CheckpointText::write(const Checkpoint& checkpoint)
{
    std::string text = std::string(VersionLine) + "\n";
    text += "Wave=" + std::to_string(checkpoint.waveNumber) + "\n";
    text += "Health=" + std::to_string(checkpoint.health) + "\n";
    text += "StartingHealth=" + std::to_string(checkpoint.maxHealth) + "\n";
    text += "Money=" + std::to_string(checkpoint.money) + "\n";
    text += std::string("Difficulty=") + Difficulty::nameOf(checkpoint.difficulty) + "\n";
    for (const CheckpointTower& tower : checkpoint.towers) {
        text += std::string("Tower=") + TowerKinds::nameOf(tower.kind) + " " + std::to_string(tower.x) + " " +
                std::to_string(tower.tally.invadersDestroyed) + " " + std::to_string(tower.tally.damage) + " " +
                (tower.aim ? TargetPriority::nameOf(*tower.aim) : OwnAim);
        for (int level : tower.levels)
            text += " " + std::to_string(level);
        text += "\n";
    }
    eachStatistic(checkpoint.statistics, [&text](const char* name, const auto& field) {
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
    if (line != VersionLine && line != SecondVersionLine && line != FirstVersionLine) {
        if (line.rfind(VersionPrefix, 0) == 0)
            return {std::nullopt, "unknown version '" + line.substr(std::string(VersionPrefix).size()) + "'"};
        return {std::nullopt, "not a checkpoint: the first line is not '" + std::string(VersionLine) + "'"};
    }
    Reader reader(line != FirstVersionLine, line == VersionLine);
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
