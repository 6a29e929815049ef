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

TEST(Difficulty, NormalIsTheDataSetAsWrittenWhateverEasyAndHardSay)
{
    const Config config = tableOf("Easy.StartingMoney=999\nHard.InvaderHealthFactor=3\nNormal.StartingMoney=5\n");
    const Difficulty normal = Difficulty::of(config, Level::Normal);
    EXPECT_EQ(normal.startingMoney, 150);
    EXPECT_EQ(normal.startingHealth, 20);
    EXPECT_DOUBLE_EQ(normal.timeBetweenWaves, 6.0);
    // Factors of exactly 1 hand every value back unchanged, odd ones included.
    for (int value : {0, 7, -3, INT_MAX}) {
        EXPECT_EQ(normal.invaderHealth(value), value);
        EXPECT_EQ(normal.reward(value), value);
    }
    EXPECT_EQ(normal.invaderSpeed(13.7), 13.7);
}

TEST(Difficulty, EasyAndHardReplaceAndScaleOnlyTheKeysTheyGive)
{
    const Config config = tableOf("Easy.StartingMoney=250\nEasy.StartingHealth=30\nEasy.InvaderHealthFactor=0.75\n"
                                  "Hard.TimeBetweenWaves=4.5\nHard.InvaderSpeedFactor=1.25\nHard.RewardFactor=0.7\n");
    const Difficulty easy = Difficulty::of(config, Level::Easy);
    EXPECT_EQ(easy.level, Level::Easy);
    EXPECT_EQ(easy.startingMoney, 250);
    EXPECT_EQ(easy.startingHealth, 30);
    EXPECT_DOUBLE_EQ(easy.timeBetweenWaves, 6.0) << "left out: Normal's";
    EXPECT_EQ(easy.invaderHealth(10), 8) << "7.5 rounds to the nearer whole health, up at a half";
    EXPECT_EQ(easy.reward(5), 5);
    const Difficulty hard = Difficulty::of(config, Level::Hard);
    EXPECT_EQ(hard.startingMoney, 150);
    EXPECT_EQ(hard.startingHealth, 20);
    EXPECT_DOUBLE_EQ(hard.timeBetweenWaves, 4.5);
    EXPECT_DOUBLE_EQ(hard.invaderSpeed(12.0), 15.0);
    EXPECT_EQ(hard.reward(5), 4) << "3.5 rounds up";
    EXPECT_EQ(hard.invaderHealth(10), 10);
    EXPECT_TRUE(Difficulty::problems(config).empty());
}

TEST(Difficulty, UnusableValuesLeaveNormalsValueAndAreNamed)
{
    const struct {
        const char* line;
        const char* reason;
    } cases[] = {
        {"Easy.StartingMoney=lots", "whole number from 0 to 1000000000"},
        {"Easy.StartingMoney=1000000001", "whole number from 0 to 1000000000"},
        {"Hard.StartingHealth=0", "whole number from 1 to 1000000000"},
        {"Hard.StartingHealth=12.5", "whole number from 1"},
        {"Easy.TimeBetweenWaves=-1", "seconds from 0 to 3600"},
        {"Easy.TimeBetweenWaves=5s", "seconds from 0 to 3600"},
        {"Hard.InvaderHealthFactor=0", "factor above 0"},
        {"Hard.InvaderSpeedFactor=-0.5", "factor above 0"},
        {"Easy.RewardFactor=inf", "factor above 0"},
        {"Easy.RewardFactor=nan", "factor above 0"},
        {"Hard.RewardFactor=1001", "at most 1000"},
    };
    for (const auto& test : cases) {
        const Config config = tableOf(std::string(test.line) + "\n");
        const std::vector<std::string> problems = Difficulty::problems(config);
        ASSERT_EQ(problems.size(), 1u) << test.line;
        EXPECT_EQ(problems[0].find(test.line), 0u) << problems[0];
        EXPECT_NE(problems[0].find(test.reason), std::string::npos) << problems[0];
        const Level level = test.line[0] == 'E' ? Level::Easy : Level::Hard;
        const Difficulty played = Difficulty::of(config, level);
        const Difficulty normal = Difficulty::of(config, Level::Normal);
        EXPECT_EQ(played.startingMoney, normal.startingMoney) << test.line;
        EXPECT_EQ(played.startingHealth, normal.startingHealth) << test.line;
        EXPECT_EQ(played.timeBetweenWaves, normal.timeBetweenWaves) << test.line;
        EXPECT_EQ(played.invaderHealthFactor * played.invaderSpeedFactor * played.rewardFactor, 1.0) << test.line;
    }
}

TEST(Difficulty, ScaledValuesStayWithinWholeNumbers)
{
    const Difficulty huge = Difficulty::of(tableOf("Hard.InvaderHealthFactor=1000\nHard.RewardFactor=1000\n"), Level::Hard);
    EXPECT_EQ(huge.invaderHealth(INT_MAX), INT_MAX);
    EXPECT_EQ(huge.reward(INT_MIN), INT_MIN);
    EXPECT_EQ(huge.invaderHealth(3), 3000);
}

TEST(Difficulty, NamesReadInAnyCaseAndTheLevelsGoRound)
{
    EXPECT_EQ(Difficulty::named("hard"), Level::Hard);
    EXPECT_EQ(Difficulty::named("EASY"), Level::Easy);
    EXPECT_EQ(Difficulty::named("Normal"), Level::Normal);
    for (const char* other : {"", "Medium", "Hard ", "Eas", "Easyy"})
        EXPECT_FALSE(Difficulty::named(other)) << other;
    for (int i = 0; i < Difficulty::LevelCount; ++i) {
        const Level level = static_cast<Level>(i);
        EXPECT_EQ(Difficulty::named(Difficulty::nameOf(level)), level);
    }
    EXPECT_EQ(Difficulty::next(Level::Hard, 1), Level::Easy);
    EXPECT_EQ(Difficulty::next(Level::Easy, -1), Level::Hard);
    EXPECT_EQ(Difficulty::next(Level::Normal, 1), Level::Hard);
    EXPECT_EQ(Difficulty::keys().size(), 12u);
}
