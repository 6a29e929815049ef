// The three difficulties a game is played at and the numbers each one plays by. Normal is the data
// set as it is written; Easy and Hard replace or scale a few of its numbers by keys of their own
// ("Easy.StartingMoney", "Hard.InvaderHealthFactor"), and a key left out keeps Normal's value.
#pragma once

#include <optional>
#include <string>
#include <vector>

class Config;

class Difficulty {
public:
    enum class Level { Easy = 0, Normal = 1, Hard = 2 };
    static constexpr int LevelCount = 3;
    // Normal's keys of the data set; Easy's and Hard's add their level's name in front.
    static constexpr const char* StartingMoneyKey = "StartingMoney";
    static constexpr const char* StartingHealthKey = "StartingHealth";
    static constexpr const char* TimeBetweenWavesKey = "TimeBetweenWaves";

    // The longest pause between waves a difficulty may give; a factor lies above 0 and at most
    // MaxFactor. Starting money and health are amounts of a run, within its limits.
    static constexpr double MaxTimeBetweenWaves = 3600.0;
    static constexpr double MaxFactor = 1000.0;

    // "Easy", "Normal" or "Hard": how the game shows and writes the level.
    static const char* nameOf(Level level);
    // The level of a name, in any case ("hard", "HARD"); nothing for any other text.
    static std::optional<Level> named(const std::string& name);
    // The level that follows (Easy, Normal, Hard, then Easy again), or the one before.
    static Level next(Level level, int step);

    // The numbers of level in this data set. A key of Easy or Hard that is not a number in range
    // leaves Normal's value; problems() of the same table says which.
    static Difficulty of(const Config& config, Level level);
    // One line for every plain key of these (Normal's StartingMoney, StartingHealth and
    // TimeBetweenWaves) outside the range Easy and Hard keep to: the game does not start with it.
    static std::vector<std::string> unplayable(const Config& config);
    // The lines of unplayable(), then one for every key of Easy or Hard that the game cannot use:
    // not a number, a factor that is not above 0 and finite, an amount out of range.
    static std::vector<std::string> problems(const Config& config);
    // Every key Easy and Hard may have, in the order the data set's comments give them.
    static std::vector<std::string> keys();
    // The level's numbers on one line ("Hard: StartingMoney 120, ..."), as the data checker lists them.
    std::string describe() const;

    // The health of an invader that would have normalHealth (at least 1 when that is), the speed
    // of a wave, and the reward for one invader, at this difficulty. Normal's factors of exactly 1
    // leave every value as it is.
    int invaderHealth(int normalHealth) const;
    double invaderSpeed(double normalSpeed) const { return normalSpeed * invaderSpeedFactor; }
    int reward(int normalReward) const;

    Level level = Level::Normal;
    int startingMoney = 0;
    int startingHealth = 0;
    // Seconds from the start of a game, and from the end of each wave, to the next wave.
    double timeBetweenWaves = 0.0;
    double invaderHealthFactor = 1.0;
    double invaderSpeedFactor = 1.0;
    double rewardFactor = 1.0;
};
