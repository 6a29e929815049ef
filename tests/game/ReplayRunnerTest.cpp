#include "game/ReplayRunner.h"

#include "autoplay/PlayerFixture.h"
#include "autoplay/Strategy.h"
#include "autoplay/StrategyFactory.h"
#include "checkpoint/CheckpointText.h"
#include "checkpoint/RunKeeper.h"
#include "game/World.h"
#include "game/WorldCheckpoint.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayShelf.h"

#include <allegro.h>

#include <filesystem>
#include <optional>

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

// Keeps the last checkpoint the game hands it, as the checkpoint file would.
struct LastCheckpoint : RunKeeper {
    explicit LastCheckpoint(std::optional<Checkpoint>& kept) : kept(kept) {}
    void resume(const Restore&) override {}
    void keep(const Checkpoint& run) override { kept = run; }
    void forget() override { kept.reset(); }
    std::optional<Checkpoint>& kept;
};

} // namespace

using ReplayRunnerTest = PlayerFixture;

// A run closed mid-wave, resumed, closed between waves and resumed again goes on in one replay on
// the shelf, which plays from wave 1 through both resumptions to the same result; a part that
// names another checkpoint than the one its run kept is reported.
// One launch of a recorded run kept on the shelf: the kept run resumed (unless it is the first),
// played on and closed, mid-wave the first time and between waves after.
static void playLaunch(const PlayOptions& options, std::optional<Checkpoint>& kept, int launch)
{
    std::unique_ptr<autoplay::Strategy> strategy = autoplay::makeStrategy("mixed");
    Player player(*strategy, options);
    World& world = player.world();
    world.runKeeper = std::make_unique<LastCheckpoint>(kept);
    if (launch > 0) {
        ASSERT_EQ(WorldCheckpoint::restore(world, *kept), "");
        player.hand().pressKey(KEY_P); // a resumed run waits in a pause
    }
    const int until = world.waveNumber + 1;
    for (long frames = 0; frames < 20000 && !world.gameOver &&
                          (world.waveNumber < until || (launch == 0) != (world.currentWave != nullptr));
         ++frames)
        player.playFrame();
    ASSERT_FALSE(world.gameOver);
    world.closed();
}

// A run closed mid-wave, resumed, closed between waves and resumed again goes on in one replay on
// the shelf, which plays from wave 1 through both resumptions to the same result; a part that
// names another checkpoint than the one its run kept is reported. When the earlier replay is
// gone, or of another difficulty, the resumed run's replay starts at its checkpoint and checks all
// the same.
TEST_F(ReplayRunnerTest, ARunClosedAndResumedReplaysFromWaveOneThroughEveryResumption)
{
    const std::filesystem::path shelf = std::filesystem::temp_directory_path() / "replay-resumed-test";
    PlayOptions options;
    options.seed = 11;
    options.dt = Frame;
    options.speed = 4;
    options.recordReplay = true;
    options.replayFolder = shelf.string();
    for (const char* earlier : {"kept", "lost", "of another difficulty"}) {
        SCOPED_TRACE(std::string("the earlier replay ") + earlier);
        const bool earlierLost = earlier[0] != 'k';
        std::filesystem::remove_all(shelf);
        std::optional<Checkpoint> kept;
        for (int launch = 0; launch < 3; ++launch) {
            if (earlierLost && launch == 2 && earlier[0] == 'l')
                std::filesystem::remove_all(shelf);
            if (earlierLost && launch == 2 && earlier[0] == 'o') {
                std::optional<Replay> other = ReplayShelf(shelf.string()).load(kept->replay);
                ASSERT_TRUE(other);
                other->difficulty = "Hard";
                ReplayShelf::store(shelf.string(), kept->replay, *other, false);
            }
            playLaunch(options, kept, launch);
        }
        ASSERT_TRUE(kept && !kept->replay.empty());
        const ReplayFile::Parsed parsed = ReplayFile::read((shelf / kept->replay).string());
        ASSERT_TRUE(parsed.replay) << parsed.problem;
        const Replay& replay = *parsed.replay;
        EXPECT_EQ(std::pair(replay.resumed.size(), replay.start.empty()), std::pair(std::size_t(earlierLost ? 0 : 2), !earlierLost));
        EXPECT_EQ(ReplayCheck::firstDifference(replay, playedAgain(replay)), "");
        if (earlierLost)
            continue;
        Replay forged = replay;
        forged.resumed[1].checkpoint.replace(forged.resumed[1].checkpoint.find("Money="), 6, "Money=1");
        const std::string difference = ReplayCheck::firstDifference(forged, playedAgain(forged));
        EXPECT_NE(difference.find("part 3 resumes from another checkpoint"), std::string::npos) << difference;
    }
    std::filesystem::remove_all(shelf);
}

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
