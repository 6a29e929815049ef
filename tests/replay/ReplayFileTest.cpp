#include "replay/ReplayFile.h"

#include "replay/ReplayCheck.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

Replay aReplay()
{
    Replay replay;
    replay.gameVersion = "1.0.0";
    replay.dataChecksum = "1a2b3c4d";
    replay.seed = 4000000000u;
    replay.difficulty = "Hard";
    replay.stepLength = 1.01 / 60.0;
    replay.frames = 5400;
    replay.gameOver = true;
    replay.waves = {{2, 140, 20, 16, 0, 160, 120, 2, 1}, {3, 95, 18, 32, 2, 330, 310, 4, 1}};
    replay.end = {3, 80, 0, 40, 22, 410, 330, 4, 1};
    for (int i = 0; i < 3000; ++i)
        replay.tape.push_back(static_cast<char>(i % 7 == 0 ? i % 251 : 0));
    // Closed in wave 2 and resumed twice.
    replay.resumed = {{"squibble-siege checkpoint 5\nWave=2\n", 77, 900, replay.tape.substr(0, 40)},
                      {"squibble-siege checkpoint 5\nWave=3\n", 78, 0, ""}};
    return replay;
}

} // namespace

TEST(ReplayFileTest, AReplayReadsBackAsItWasWritten)
{
    const Replay written = aReplay();
    const ReplayFile::Parsed parsed = ReplayFile::parse(ReplayFile::write(written));
    ASSERT_TRUE(parsed.replay) << parsed.problem;
    const Replay& read = *parsed.replay;
    const auto fields = [](const Replay& r) {
        return std::tie(r.gameVersion, r.dataChecksum, r.seed, r.difficulty, r.mode, r.stepLength, r.frames, r.gameOver, r.tape);
    };
    EXPECT_EQ(fields(read), fields(written));
    ASSERT_EQ(read.resumed.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(std::tie(read.resumed[i].checkpoint, read.resumed[i].seed, read.resumed[i].frames, read.resumed[i].tape),
                  std::tie(written.resumed[i].checkpoint, written.resumed[i].seed, written.resumed[i].frames,
                           written.resumed[i].tape));
    EXPECT_EQ(read.totalFrames(), 6300);
    EXPECT_TRUE(read.waves == written.waves && read.end == written.end);
    // A first-format file: one part, and no count of parts.
    Replay single = aReplay();
    single.resumed.clear();
    std::string first = ReplayFile::write(single);
    first.replace(first.find("replay 2"), 8, "replay 1");
    first.erase(first.find("parts 1\n"), 8);
    const ReplayFile::Parsed old = ReplayFile::parse(first);
    ASSERT_TRUE(old.replay && old.replay->tape == single.tape && old.replay->resumed.empty()) << old.problem;
    const ReplayFile::Parsed rewritten = ReplayFile::parse(ReplayFile::write(*old.replay));
    EXPECT_TRUE(rewritten.replay && rewritten.replay->tape == single.tape) << rewritten.problem;
    // The header alone leaves the tape packed.
    EXPECT_TRUE(ReplayFile::parseHeader(ReplayFile::write(written)).replay->tape.empty());
}

TEST(ReplayFileTest, AReplayCutAtAnyByteIsRefusedWithAReason)
{
    const std::string whole = ReplayFile::write(aReplay());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const ReplayFile::Parsed parsed = ReplayFile::parse(whole.substr(0, length));
        EXPECT_FALSE(parsed.replay) << "cut at " << length;
        EXPECT_FALSE(parsed.problem.empty()) << "cut at " << length;
    }
}

TEST(ReplayFileTest, DamagedHeadersAreRefusedSayingWhatIsWrong)
{
    const std::string whole = ReplayFile::write(aReplay());
    const struct {
        const char* from;
        const char* to;
        const char* problem;
    } cases[] = {
        {"squibble-siege replay 2", "squibble-siege replay 9", "newer than this game's"},
        {"squibble-siege replay 2", "a text file", "not a replay"},
        {"parts 3", "parts 2", "too long"},
        {"parts 3", "parts 4", "part"},
        {"part 77 900", "part 77 -900", "seed or frame count"},
        {"seed 4000000000", "seed -3", "seed"},
        {"step 0.01", "step x0.01", "step length"},
        {"frames 5400", "frames many", "frame count"},
        {"over yes", "over perhaps", "over"},
        {"wave 3 95", "wave 3 -95", "wave's figures"},
        {"end 3 80", "end 3", "end"},
        {"tape ", "tape 1", "tape"},
        {"mode Classic", "mode C\x04\x04lassic", "control characters"},
    };
    for (const auto& change : cases) {
        std::string damaged = whole;
        damaged.replace(damaged.find(change.from), std::string(change.from).size(), change.to);
        const ReplayFile::Parsed parsed = ReplayFile::parse(damaged);
        EXPECT_FALSE(parsed.replay) << change.to;
        EXPECT_NE(parsed.problem.find(change.problem), std::string::npos) << change.to << ": " << parsed.problem;
    }
}

TEST(ReplayFileTest, AReplayOfAnotherDataSetVersionOrStepLengthIsRefusedNamingWhich)
{
    const Replay replay = aReplay();
    const struct {
        const char* version;
        const char* checksum;
        double step;
        const char* named;
    } cases[] = {
        {"1.0.0", "1a2b3c4d", 1.01 / 60.0, nullptr},
        {"1.0.0", "ffffffff", 1.01 / 60.0, "data set"},
        {"1.1.0", "1a2b3c4d", 1.01 / 60.0, "game version"},
        {"1.0.0", "1a2b3c4d", 1.0 / 30.0, "step length"},
    };
    for (const auto& game : cases) {
        const std::string refusal = ReplayCheck::refusal(replay, game.version, game.checksum, game.step);
        if (!game.named)
            EXPECT_EQ(refusal, "");
        else
            EXPECT_NE(refusal.find(game.named), std::string::npos) << refusal;
    }
}

TEST(ReplayFileTest, TheFirstWaveThatDiffersIsNamed)
{
    const Replay recorded = aReplay();
    ReplayOutcome outcome{recorded.waves, recorded.end, true, false, recorded.totalFrames(), ""};
    EXPECT_EQ(ReplayCheck::firstDifference(recorded, outcome), "");
    ReplayOutcome laterMoney = outcome;
    laterMoney.waves[1].money += 5;
    laterMoney.end.money += 5;
    EXPECT_EQ(ReplayCheck::differingWave(recorded, laterMoney), 2);
    ReplayOutcome fewerWaves = outcome;
    fewerWaves.waves.pop_back();
    EXPECT_EQ(ReplayCheck::differingWave(recorded, fewerWaves), 2);
    ReplayOutcome broken = outcome;
    broken.tapeBroken = true;
    EXPECT_EQ(ReplayCheck::differingWave(recorded, broken), recorded.end.wave);
    EXPECT_NE(ReplayCheck::firstDifference(recorded, broken).find("wave 3 differs"), std::string::npos);
    ReplayOutcome stopped = fewerWaves;
    stopped.end.wave = 2;
    stopped.partProblem = "part 2 resumes from another checkpoint";
    EXPECT_EQ(ReplayCheck::firstDifference(recorded, stopped), "wave 2 differs: part 2 resumes from another checkpoint");
}
