#include "game/ReplayRunner.h"

#include "autoplay/PlayerFixture.h"
#include "autoplay/Strategy.h"
#include "autoplay/StrategyFactory.h"
#include "replay/ReplayFile.h"

#include <allegro.h>

using autoplay::Player;
using autoplay::PlayOptions;

namespace {

constexpr double Frame = 1.0 / 60.0;

// Plays a strategy's game for a while with Tab and the speed steps in it, recording it, and
// hands back its replay as the file would hold it.
Replay recordedGame(const std::string& strategyName, long frames, bool callEarly)
{
    std::unique_ptr<autoplay::Strategy> strategy = autoplay::makeStrategy(strategyName);
    PlayOptions options;
    options.seed = 7;
    options.dt = Frame;
    options.speed = 4;
    options.callEarly = callEarly;
    options.recordReplay = true;
    Player player(*strategy, options);
    player.playFrames(frames / 2);
    player.holdTab(true);
    player.playFrames(frames / 2);
    return *ReplayFile::parse(ReplayFile::write(player.replay())).replay;
}

ReplayOutcome playedAgain(const Replay& replay, bool drawn = false)
{
    ReplayRunner runner(Application::instance(), replay);
    runner.drawn = drawn;
    return runner.playToEnd();
}

} // namespace

using ReplayRunnerTest = PlayerFixture;

TEST_F(ReplayRunnerTest, EveryStrategysGamePlaysAgainToTheSameResult)
{
    for (const std::string& name : autoplay::strategyNames())
        for (bool callEarly : {false, true}) {
            const Replay replay = recordedGame(name, 1200, callEarly);
            ASSERT_GT(replay.waves.size(), 0u) << name;
            // Checked off screen (nothing drawn) as in the window: the pictures change nothing.
            const ReplayOutcome outcome = playedAgain(replay, callEarly);
            // The frames played are compared too.
            EXPECT_EQ(ReplayCheck::firstDifference(replay, outcome), "") << name << (callEarly ? "+early" : "");
        }
}

TEST_F(ReplayRunnerTest, AReplayWithOneInputChangedIsReportedAsDifferingNeverPlayedAsRecorded)
{
    const Replay recorded = recordedGame("mixed", 1200, true);
    ASSERT_GT(recorded.waves.size(), 0u);
    int differing = 0;
    // Every entry's answer byte in turn, a step at a time: a different key, button, place or time.
    const std::size_t step = recorded.tape.size() / 24 + 1;
    for (std::size_t at = 2; at < recorded.tape.size(); at += step) {
        Replay changed = recorded;
        changed.tape[at] = static_cast<char>(changed.tape[at] ^ 0x05);
        const ReplayOutcome outcome = playedAgain(changed);
        if (!ReplayCheck::firstDifference(changed, outcome).empty())
            ++differing;
    }
    // A change the game never acts on (the pointer moved over an empty sky) may replay the same;
    // most do not.
    EXPECT_GT(differing, 12);
}

TEST_F(ReplayRunnerTest, TheGameAfterEnterAtGameOverIsAReplayOfItsOwnFromWaveOne)
{
    // With no health the first frame ends the game; Enter starts the next, which is recorded anew.
    app().config.set("StartingHealth", "0");
    std::unique_ptr<autoplay::Strategy> strategy = autoplay::makeStrategy("lasers");
    PlayOptions options;
    options.dt = Frame;
    options.recordReplay = true;
    Player player(*strategy, options);
    player.playFrames(5);
    ASSERT_TRUE(player.world().gameOver);
    const Replay first = player.replay();
    EXPECT_TRUE(first.gameOver);
    app().config.set("StartingHealth", "20");
    player.playAgain();
    player.playFrames(600);
    const Replay second = *ReplayFile::parse(ReplayFile::write(player.replay())).replay;
    EXPECT_FALSE(second.gameOver);
    EXPECT_EQ(ReplayCheck::firstDifference(second, playedAgain(second)), "");
}
