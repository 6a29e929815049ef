// The difficulty levels and the numbers each one reads from the data set.
#include "difficulty/Difficulty.h"

#include "app/Config.h"
#include "files/PlainText.h"
#include "stats/RunLimits.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

constexpr const char* LevelNames[Difficulty::LevelCount] = {"Easy", "Normal", "Hard"};
// The levels that have keys of their own; Normal is the data set's plain keys.
constexpr Difficulty::Level KeyedLevels[] = {Difficulty::Level::Easy, Difficulty::Level::Hard};

enum class Kind { Money, Health, Seconds, Factor };

// One key of a level and the number it sets: a whole amount or a real one.
struct Rule {
    const char* name;
    Kind kind;
    int Difficulty::*whole;
    double Difficulty::*real;
};
const Rule Rules[] = {
    {Difficulty::StartingMoneyKey, Kind::Money, &Difficulty::startingMoney, nullptr},
    {Difficulty::StartingHealthKey, Kind::Health, &Difficulty::startingHealth, nullptr},
    {Difficulty::TimeBetweenWavesKey, Kind::Seconds, nullptr, &Difficulty::timeBetweenWaves},
    {"InvaderHealthFactor", Kind::Factor, nullptr, &Difficulty::invaderHealthFactor},
    {"InvaderSpeedFactor", Kind::Factor, nullptr, &Difficulty::invaderSpeedFactor},
    {"RewardFactor", Kind::Factor, nullptr, &Difficulty::rewardFactor},
};

// The value as written, or nothing for a key that is absent or empty.
std::optional<std::string> written(const Config& config, const std::string& key)
{
    const auto found = config.entries().find(key);
    if (found == config.entries().end() || found->second.empty())
        return std::nullopt;
    return found->second;
}

// The number a value gives, or nothing with the reason in why.
std::optional<double> readValue(const std::string& text, Kind kind, std::string& why)
{
    if (kind == Kind::Money || kind == Kind::Health) {
        const long long low = kind == Kind::Money ? 0 : 1;
        const long long high = RunLimits::MaxAmount;
        const std::optional<long long> amount = PlainText::wholeNumber(text, low, high);
        if (!amount)
            why = "is not a whole number from " + std::to_string(low) + " to " + std::to_string(high);
        return amount ? std::optional<double>(static_cast<double>(*amount)) : std::nullopt;
    }
    const std::optional<double> read = PlainText::realNumber(text);
    const bool number = read.has_value();
    const double value = read.value_or(0.0);
    if (kind == Kind::Seconds && !(number && value >= 0.0 && value <= Difficulty::MaxTimeBetweenWaves)) {
        std::ostringstream reason;
        reason << "is not a number of seconds from 0 to " << Difficulty::MaxTimeBetweenWaves;
        why = reason.str();
        return std::nullopt;
    }
    if (kind == Kind::Factor && !(number && value > 0.0 && value <= Difficulty::MaxFactor)) {
        std::ostringstream reason;
        reason << "is not a factor above 0 and at most " << Difficulty::MaxFactor;
        why = reason.str();
        return std::nullopt;
    }
    return value;
}

void assign(Difficulty& difficulty, const Rule& rule, double value)
{
    if (rule.whole)
        difficulty.*rule.whole = static_cast<int>(value);
    else
        difficulty.*rule.real = value;
}

// Normal's own value of a key, read as the game has always read it.
std::string normalText(const Config& config, const char* key)
{
    return written(config, key).value_or("");
}

} // namespace

const char* Difficulty::nameOf(Level level)
{
    return LevelNames[static_cast<int>(level)];
}

std::optional<Difficulty::Level> Difficulty::named(const std::string& name)
{
    for (int i = 0; i < LevelCount; ++i) {
        const std::string known = LevelNames[i];
        const bool same = name.size() == known.size() &&
                          std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) {
                              return std::tolower(static_cast<unsigned char>(a)) ==
                                     std::tolower(static_cast<unsigned char>(b));
                          });
        if (same)
            return static_cast<Level>(i);
    }
    return std::nullopt;
}

Difficulty::Level Difficulty::next(Level level, int step)
{
    const int index = ((static_cast<int>(level) + step) % LevelCount + LevelCount) % LevelCount;
    return static_cast<Level>(index);
}

Difficulty Difficulty::of(const Config& config, Level level)
{
    Difficulty difficulty;
    difficulty.level = level;
    difficulty.startingMoney = std::atoi(normalText(config, StartingMoneyKey).c_str());
    difficulty.startingHealth = std::atoi(normalText(config, StartingHealthKey).c_str());
    difficulty.timeBetweenWaves = PlainText::leadingReal(normalText(config, TimeBetweenWavesKey));
    if (level == Level::Normal)
        return difficulty;
    const std::string prefix = std::string(nameOf(level)) + ".";
    for (const Rule& rule : Rules) {
        const std::optional<std::string> text = written(config, prefix + rule.name);
        std::string why;
        const std::optional<double> value = text ? readValue(*text, rule.kind, why) : std::nullopt;
        if (value)
            assign(difficulty, rule, *value);
    }
    return difficulty;
}

std::vector<std::string> Difficulty::unplayable(const Config& config)
{
    std::vector<std::string> lines;
    for (const Rule& rule : Rules) {
        if (!rule.whole && rule.kind != Kind::Seconds)
            continue;
        const std::string text = normalText(config, rule.name);
        std::string why;
        if (!readValue(text, rule.kind, why))
            lines.push_back(std::string(rule.name) + "=" + PlainText::printable(text) + " " + why +
                            "; the game cannot be played with it");
    }
    return lines;
}

std::vector<std::string> Difficulty::problems(const Config& config)
{
    std::vector<std::string> lines = unplayable(config);
    for (Level level : KeyedLevels) {
        for (const Rule& rule : Rules) {
            const std::string key = std::string(nameOf(level)) + "." + rule.name;
            const std::optional<std::string> text = written(config, key);
            std::string why;
            if (text && !readValue(*text, rule.kind, why))
                lines.push_back(key + "=" + *text + " " + why + "; " + nameOf(level) + " plays Normal's value");
        }
    }
    return lines;
}

std::vector<std::string> Difficulty::keys()
{
    std::vector<std::string> names;
    for (Level level : KeyedLevels)
        for (const Rule& rule : Rules)
            names.push_back(std::string(nameOf(level)) + "." + rule.name);
    return names;
}

std::string Difficulty::describe() const
{
    std::ostringstream line;
    line << nameOf(level) << ": StartingMoney " << startingMoney << ", StartingHealth " << startingHealth
         << ", TimeBetweenWaves " << timeBetweenWaves << ", InvaderHealthFactor " << invaderHealthFactor
         << ", InvaderSpeedFactor " << invaderSpeedFactor << ", RewardFactor " << rewardFactor;
    return line.str();
}

int Difficulty::invaderHealth(int normalHealth) const
{
    // However small the factor, an invader that has health keeps some: a wave never vanishes.
    const double lowest = normalHealth >= 1 ? 1.0 : static_cast<double>(INT_MIN);
    const double scaled = std::round(normalHealth * invaderHealthFactor);
    return static_cast<int>(std::clamp(scaled, lowest, static_cast<double>(INT_MAX)));
}

int Difficulty::reward(int normalReward) const
{
    const double scaled = std::round(normalReward * rewardFactor);
    return static_cast<int>(std::clamp(scaled, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}
