#include "audio/SoundBoard.h"

#include "app/Application.h"
#include "app/Config.h"
#include "support/TestContent.h"
#include "support/TestSound.h"

#include <gtest/gtest.h>

namespace {

class SoundBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testcontent::install();
        recorder = &testsound::install();
    }
    SoundBoard& board = Application::instance().sound;
    testsound::RecordingSoundOutput* recorder = nullptr;
};

} // namespace

TEST_F(SoundBoardTest, LoadsConfiguredFilesAndLeavesAbsentOrEmptyKeysSilent)
{
    Config config;
    config.loadFromText("SoundVolume=180\nSound.LaserFired=data/laser_fired.wav\nSound.TowerBuilt=\n");
    EXPECT_TRUE(board.load(config).empty());
    EXPECT_FALSE(board.clip(SoundEvent::GameOver));
    board.play(SoundEvent::TowerBuilt, 10);
    board.play(SoundEvent::LaserFired, 10);
    ASSERT_EQ(recorder->starts.size(), 1u);
    EXPECT_EQ(recorder->starts[0].clip, "data/laser_fired.wav");
    EXPECT_EQ(recorder->starts[0].volume, 180);
    EXPECT_NEAR(board.clip(SoundEvent::LaserFired)->seconds(), 0.14, 0.01);
}

TEST_F(SoundBoardTest, ThePlayersLevelScalesTheDataSetsVolume)
{
    board.setVolume(200);
    for (const auto& [level, volume] : {std::pair{100, 200}, {50, 100}, {0, 0}, {150, 200}, {-5, 0}}) {
        board.setLevel(level);
        board.play(SoundEvent::WaveStarted);
        testsound::now() += 1.0;
        EXPECT_EQ(recorder->starts.back().volume, volume) << level;
    }
}

TEST_F(SoundBoardTest, FileThatDoesNotLoadIsOneLineNamingFileAndKey)
{
    Config config;
    config.loadFromText("Sound.Refused=data/no_such.wav\nSound.GameOver=data/strings.txt\nSoundVolume=999\n");
    const std::vector<std::string> problems = board.load(config);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("\"data/no_such.wav\" (configuration key Sound.Refused)"), std::string::npos);
    EXPECT_NE(problems[1].find("\"data/strings.txt\" (configuration key Sound.GameOver): not a WAV"), std::string::npos);
    EXPECT_EQ(board.volume(), 255);
}

TEST_F(SoundBoardTest, PanFollowsTheFieldWithoutLeavingAnEarSilent)
{
    EXPECT_EQ(SoundBoard::panFor(160), 128);
    EXPECT_EQ(SoundBoard::panFor(0), 32);
    EXPECT_EQ(SoundBoard::panFor(320), 224);
    EXPECT_EQ(SoundBoard::panFor(-1e9), 32);
    EXPECT_EQ(SoundBoard::panFor(0.0 / 0.0), 128);
    EXPECT_LT(SoundBoard::panFor(100), SoundBoard::panFor(101));
}

TEST_F(SoundBoardTest, MutingStopsWhatPlaysAndStartsNothingUntilTurnedBackOn)
{
    board.play(SoundEvent::LaserFired, 100);
    board.toggleMute();
    EXPECT_EQ(recorder->stops.size(), static_cast<std::size_t>(SoundEventCount));
    testsound::now() += 1.0;
    board.play(SoundEvent::LaserFired, 100);
    EXPECT_EQ(recorder->starts.size(), 1u);
    board.toggleMute();
    board.play(SoundEvent::LaserFired, 100);
    EXPECT_EQ(recorder->starts.size(), 2u);
}
