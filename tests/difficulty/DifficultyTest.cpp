#include "difficulty/Difficulty.h"

#include "app/Config.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Level = Difficulty::Level;

Config tableOf(const std::string& text)
{
    Config config;
    config.loadFromText("StartingMoney=150\nStartingHealth=20\nTimeBetweenWaves=6\n" + text);
    return config;
}

} // namespace

TEST(Difficulty, NormalIsTheDataSetAsWrittenAndEasyAndHardChangeOnlyTheirKeys)
{
    const Config config = tableOf("Easy.StartingMoney=250\nEasy.InvaderHealthFactor=0.75\nHard.TimeBetweenWaves=4.5\n"
                                  "Hard.InvaderSpeedFactor=1.25\nHard.RewardFactor=0.7\n");
    const Difficulty normal = Difficulty::of(config, Level::Normal);
    EXPECT_EQ(std::tuple(normal.startingMoney, normal.startingHealth, normal.timeBetweenWaves), std::tuple(150, 20, 6.0));
    for (int value : {7, -3, INT_MAX})
        EXPECT_EQ(std::tuple(normal.invaderHealth(value), normal.reward(value)), std::tuple(value, value));
    const Difficulty easy = Difficulty::of(config, Level::Easy);
    EXPECT_EQ(std::tuple(easy.startingMoney, easy.startingHealth, easy.timeBetweenWaves), std::tuple(250, 20, 6.0));
    EXPECT_EQ(easy.invaderHealth(10), 8) << "7.5 rounds up";
    const Difficulty hard = Difficulty::of(config, Level::Hard);
    EXPECT_EQ(std::tuple(hard.startingMoney, hard.timeBetweenWaves, hard.invaderSpeed(12.0), hard.reward(5)),
              std::tuple(150, 4.5, 15.0, 4));
    EXPECT_TRUE(Difficulty::problems(config).empty());
    EXPECT_EQ(Difficulty::of(tableOf("Hard.InvaderHealthFactor=1000\n"), Level::Hard).invaderHealth(INT_MAX), INT_MAX);
}

// Normal's own keys keep to the ranges of Easy's and Hard's, and the game refuses to start without.
TEST(Difficulty, NormalsKeysOutOfRangeMakeTheDataSetUnplayable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"StartingHealth=0", "whole number from 1"},
        {"StartingHealth=2000000000", "to 1000000000"},
        {"StartingMoney=2000000000", "whole number from 0 to 1000000000"},
        {"TimeBetweenWaves=-1", "seconds from 0 to 3600"},
        {"TimeBetweenWaves=0,5", "seconds from 0"},
    };
    for (const auto& [line, reason] : cases) {
        const Config config = tableOf(std::string(line) + "\n");
        const std::vector<std::string> lines = Difficulty::unplayable(config);
        ASSERT_EQ(lines.size(), 1u) << line;
        EXPECT_EQ(lines[0].find(line), 0u) << lines[0];
        EXPECT_NE(lines[0].find(reason), std::string::npos) << lines[0];
        EXPECT_EQ(Difficulty::problems(config), lines);
    }
    EXPECT_TRUE(Difficulty::unplayable(tableOf("")).empty());
}

TEST(Difficulty, UnusableValuesLeaveNormalsValueAndAreNamed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Easy.StartingMoney=lots", "whole number from 0 to 1000000000"},
        {"Hard.StartingHealth=0", "whole number from 1"},
        {"Easy.TimeBetweenWaves=-1", "seconds from 0 to 3600"},
        {"Hard.InvaderHealthFactor=0", "factor above 0"},
        {"Easy.RewardFactor=nan", "factor above 0"},
        {"Hard.RewardFactor=1001", "at most 1000"},
    };
    for (const auto& [line, reason] : cases) {
        const Config config = tableOf(std::string(line) + "\n");
        const std::vector<std::string> problems = Difficulty::problems(config);
        ASSERT_EQ(problems.size(), 1u) << line;
        EXPECT_EQ(problems[0].find(line), 0u) << problems[0];
        EXPECT_NE(problems[0].find(reason), std::string::npos) << problems[0];
        const Difficulty played = Difficulty::of(config, line[0] == 'E' ? Level::Easy : Level::Hard);
        EXPECT_EQ(std::tuple(played.startingMoney, played.startingHealth, played.timeBetweenWaves,
                             played.invaderHealthFactor * played.rewardFactor),
                  std::tuple(150, 20, 6.0, 1.0))
            << line;
    }
    EXPECT_EQ(Difficulty::of(tableOf("Easy.InvaderHealthFactor=0.04\n"), Level::Easy).invaderHealth(10), 1)
        << "a wave never vanishes";
    EXPECT_EQ(Difficulty::named("hARD"), Level::Hard);
    EXPECT_FALSE(Difficulty::named("Hard "));
}
