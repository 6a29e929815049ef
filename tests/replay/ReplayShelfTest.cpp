#include "replay/ReplayShelf.h"

#include "replay/ReplayFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

Replay aRun(int wave, bool over)
{
    Replay replay;
    replay.difficulty = "Hard";
    replay.stepLength = 0.01;
    replay.gameOver = over;
    replay.end.wave = wave;
    return replay;
}

int waveOf(const std::string& path) { return ReplayFile::read(path).replay->end.wave; }

} // namespace

TEST(ReplayShelfTest, KeepsTheLastRunsAndEachDifficultysBestForAsLongAsItStaysBest)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "replay-shelf-test";
    std::filesystem::remove_all(folder);
    const std::string best = (folder / "best-Classic-Hard.sqreplay").string();
    // Runs 1..25 at one a second; run 3 is the best, run 9 as good but no better, run 12 unfinished.
    for (int run = 1; run <= 25; ++run) {
        const int wave = run == 3 ? 9 : run == 9 ? 9 : run == 12 ? 40 : 2;
        ReplayShelf::store(folder.string(), ReplayShelf::runName(1700000000 + run, 1), aRun(wave, run != 12), true);
        if (run == 3 || run == 12) {
            EXPECT_EQ(waveOf(best), 9) << run;
        }
    }
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        kept += entry.path().filename().string().rfind("run-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(kept, 20);
    // The oldest five went: run 5 (begun at ...05) is the first kept.
    EXPECT_FALSE(std::filesystem::exists(folder / ReplayShelf::runName(1700000005, 1)));
    EXPECT_TRUE(std::filesystem::exists(folder / ReplayShelf::runName(1700000006, 1)));
    ReplayShelf::store(folder.string(), ReplayShelf::runName(1700000100, 1), aRun(10, true), true);
    EXPECT_EQ(waveOf(best), 10);
    std::filesystem::remove_all(folder);
}

// A resumed run reads the replay its checkpoint names: the latest state of it, even one still
// waiting to be written, and nothing outside the replays folder.
TEST(ReplayShelfTest, LoadsTheNamedRunAsLastKeptAndNothingOutsideItsFolder)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "replay-shelf-load-test";
    std::filesystem::remove_all(folder);
    ReplayShelf shelf(folder.string());
    const std::string name = ReplayShelf::runName(1700000000, 1);
    shelf.keep(name, aRun(3, false), false);
    shelf.keep(name, aRun(4, false), false);
    const std::optional<Replay> loaded = shelf.load(name);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->end.wave, 4);
    ReplayShelf::store(folder.parent_path().string(), "outside.sqreplay", aRun(5, false), false);
    for (const std::string& wrong : {std::string("../outside.sqreplay"), std::string(""), std::string("missing.sqreplay")})
        EXPECT_FALSE(shelf.load(wrong)) << wrong;
    EXPECT_FALSE(ReplayShelf("").load(name));
    std::filesystem::remove(folder.parent_path() / "outside.sqreplay");
    std::filesystem::remove_all(folder);
}
