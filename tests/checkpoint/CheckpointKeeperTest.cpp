#include "checkpoint/CheckpointKeeper.h"

#include "game/RecordFile.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class CheckpointKeeperTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        char name[] = "/tmp/checkpoint-XXXXXX";
        folder = mkdtemp(name);
        std::ofstream(folder / "strings.txt") << "StartingHealth=20\n";
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder);
        WorldFixture::TearDown();
    }
    CheckpointFile file() const { return CheckpointFile(folder.string(), (folder / "strings.txt").string()); }
    // Resumes from the file into the fixture's World; returns what went to standard error.
    std::string resume()
    {
        testing::internal::CaptureStderr();
        CheckpointKeeper(file()).resume(*world);
        return testing::internal::GetCapturedStderr();
    }
    std::filesystem::path folder;
};

} // namespace

TEST_F(CheckpointKeeperTest, KeepsResumesAndForgetsTheRunInItsFile)
{
    world->towers.push_back(world->createTower(1));
    world->towers.back()->place(100);
    world->money = 25;
    world->waveNumber = 3;
    CheckpointKeeper(file()).keep(*world);
    EXPECT_EQ(file().path(), (folder / ("checkpoint-" + RecordFile::checksumOf(folder / "strings.txt") + ".txt")));
    world->playAgain();
    EXPECT_EQ(resume(), "");
    EXPECT_TRUE(world->towers.size() == 1 && world->money == 25 && world->waveNumber == 3 && world->paused);
    CheckpointKeeper(file()).forget();
    EXPECT_FALSE(std::filesystem::exists(file().path()));
}

TEST_F(CheckpointKeeperTest, MovesEachRefusedFileAsideWithOneLineAndPlaysANewGame)
{
    const std::string overlapping = "squibble-siege checkpoint 1\nWave=2\nHealth=5\nStartingHealth=20\nMoney=0\n"
                                    "Tower=TeslaCoil 100 0\nTower=TeslaCoil 101 0\n";
    for (const std::string& text : {std::string("squibble-siege checkpoint 1\nWave="), overlapping}) {
        std::ofstream(file().path()) << text;
        const std::string said = resume();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("refused"), std::string::npos) << said;
        EXPECT_TRUE(world->towers.empty() && world->waveNumber == 1 && !world->paused);
        EXPECT_FALSE(std::filesystem::exists(file().path()));
    }
    std::ifstream second(file().path() + ".2.bad");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(second), {}), overlapping);
    EXPECT_TRUE(std::filesystem::exists(file().path() + ".bad"));
}
