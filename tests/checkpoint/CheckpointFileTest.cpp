#include "checkpoint/CheckpointFile.h"

#include "checkpoint/CheckpointKeeper.h"
#include "game/WorldCheckpoint.h"
#include "support/WorldFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A world of the synthetic content, and a private folder for its checkpoints.
class CheckpointFileTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        char name[] = "/tmp/squibble-checkpoint-XXXXXX";
        root = mkdtemp(name);
        std::ofstream(root / "strings.txt") << "StartingHealth=20\n";
    }
    void TearDown() override
    {
        fs::remove_all(root);
        WorldFixture::TearDown();
    }

    // The keeper as the game calls it, for the given World.
    static void resume(RunKeeper& keeper, World& into)
    {
        keeper.resume([&into](const Checkpoint& run) { return WorldCheckpoint::restore(into, run); });
    }
    static void keep(RunKeeper& keeper, const World& from) { keeper.keep(WorldCheckpoint::capture(from)); }
    CheckpointFile file() const { return CheckpointFile((root / "state").string(), (root / "strings.txt").string()); }
    static std::string read(const std::string& path)
    {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    static void write(const std::string& path, const std::string& text)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text;
    }

    fs::path root;
};

} // namespace

TEST_F(CheckpointFileTest, ARefusedFileIsNeverMovedOverAnotherAndStaysWhenEveryNameIsTaken)
{
    const std::string path = file().path();
    std::string outcome;
    for (const std::string& bad : {path + ".bad", path + ".2.bad"}) {
        write(path, "refused as " + bad);
        ASSERT_TRUE(file().setAside(outcome));
        EXPECT_EQ(std::pair(outcome, read(bad)), std::pair(bad, "refused as " + bad));
    }
    for (int n = 3; n <= 1000; ++n)
        write(path + "." + std::to_string(n) + ".bad", "kept " + std::to_string(n));
    write(path, "the last one");
    EXPECT_FALSE(file().setAside(outcome));
    EXPECT_NE(outcome.find("every name"), std::string::npos) << outcome;
    EXPECT_EQ(std::pair(read(path), read(path + ".1000.bad")), std::pair(std::string("the last one"), std::string("kept 1000")));

    // The game then plays a new game that keeps nothing over the refused file.
    CheckpointKeeper keeper(file());
    testing::internal::CaptureStderr();
    resume(keeper, *world);
    const std::string told = testing::internal::GetCapturedStderr();
    keep(keeper, *world);
    keeper.forget();
    EXPECT_EQ(read(path), "the last one");
    EXPECT_NE(told.find("left in place"), std::string::npos) << told;
    EXPECT_EQ(std::make_pair(world->waveNumber, world->paused), std::make_pair(1, false));
}

TEST_F(CheckpointFileTest, AStateFolderThatIsAFileHoldsNoCheckpointToRefuse)
{
    write((root / "state").string(), "a file where the folder goes");
    CheckpointKeeper keeper(file());
    testing::internal::CaptureStderr();
    resume(keeper, *world);
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("cannot lock"), std::string::npos) << told;
    EXPECT_EQ(read((root / "state").string()), "a file where the folder goes");
}

TEST_F(CheckpointFileTest, ALockThatCannotBeTakenKeepsNothingAndSaysSoOnce)
{
    write(file().path(), "another game's run");
    fs::create_symlink(root / "nowhere", file().path() + ".lock");
    CheckpointKeeper keeper(file());
    testing::internal::CaptureStderr();
    resume(keeper, *world);
    keep(keeper, *world);
    keeper.forget();
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_NE(told.find("this game will not be kept"), std::string::npos) << told;
    EXPECT_EQ(std::pair(read(file().path()), world->resumed), std::pair(std::string("another game's run"), false));
}

TEST_F(CheckpointFileTest, TheGameThatStartsFirstOwnsTheRunAndASecondNeverTouchesIt)
{
    auto first = std::make_unique<CheckpointKeeper>(file());
    resume(*first, *world);
    world->waveNumber = 3;
    keep(*first, *world);
    auto second = std::make_unique<CheckpointKeeper>(file());
    World other;
    testing::internal::CaptureStderr();
    resume(*second, other);
    other.waveNumber = 9;
    keep(*second, other);
    second->forget();
    second.reset();
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "squibble-siege: checkpoint: another game is keeping this run; this game will not be kept\n");
    EXPECT_EQ(other.waveNumber, 9);
    first.reset(); // its last save is done before it goes
    EXPECT_NE(read(file().path()).find("\nWave=3\n"), std::string::npos) << read(file().path());

    // Once the owner has gone, the next game resumes the run and owns it in turn.
    CheckpointKeeper next(file());
    world->newGame();
    resume(next, *world);
    EXPECT_EQ(std::pair(world->waveNumber, world->resumed), std::pair(3, true));
    next.forget();
}
