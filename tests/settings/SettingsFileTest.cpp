#include "settings/SettingsFile.h"

#include "checkpoint/CheckpointFile.h"
#include "settings/PlayerSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// A new folder of the test's own, gone at the end of the test.
struct TempFolder {
    char name[32] = "/tmp/settingsfile-XXXXXX";
    std::filesystem::path path = mkdtemp(name);
    ~TempFolder() { std::filesystem::remove_all(path); }
};

} // namespace

TEST(SettingsFile, EachBadValueFallsBackToItsDefaultAlone)
{
    const std::tuple<const char*, Settings, std::size_t> cases[] = {
        {"Scale=3\nFullscreen=1\nVolume=40\nMute=1\nSpeed=4\n", {3, true, 40, true, 4}, 0},
        {" Scale = 5 \r\nSpeed=8", {5, false, 100, false, 8}, 0},
        {"Scale=0x3\nFullscreen=yes\nVolume=-10\nMute=2\nSpeed=3\n", Settings(), 5},
        {"Volume=101\nSpeed=\nScale=99999999999999\nMute=1\n", {2, false, 100, true, 1}, 3},
        {"\xEF\xBB\xBFMute=1\r\nScale 3\n# mine\n\nColourBlind=1\n\x01\xff\n", {2, false, 100, true, 1}, 2},
        {"Scale=3\nScale=x\nVolume=40\nVolume=\nSpeed=4\nSpeed=3\n", Settings(), 3},
        {"MusicVolume=40\nMusicVolume=101\n", Settings(), 1},
        {"MusicVolume= 30\nVolume=70", {2, false, 70, false, 1, 30}, 0},
    };
    for (const auto& [text, expected, faults] : cases) {
        std::vector<std::string> problems;
        std::vector<std::string> unknown;
        EXPECT_EQ(SettingsFile::parse(text, problems, unknown), expected) << text;
        EXPECT_EQ(problems.size(), faults) << text;
    }
}

TEST(SettingsFile, WritesWhatItReadsKeepingLinesItDoesNotKnowAndOnlyWhatThePlayerChanged)
{
    TempFolder folder;
    const std::filesystem::path path = folder.path / "settings.txt";
    std::ofstream(path) << "# mine\nVolume=30\nColourBlind=1\nScale 3\nMute=x\nSpeed=3\n";
    auto file = std::make_unique<SettingsFile>(folder.path.string());
    testing::internal::CaptureStderr();
    const Settings stored = file->load();
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << "one line for the file: " << told;
    Settings run = stored;
    run.scale = 4; // from the command line
    PlayerSettings settings;
    settings.attach(std::move(file), stored, run);
    settings.set(PlayerSettings::Field::Speed, 2);
    EXPECT_EQ(settings.inEffect().scale, 4);
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_EQ(text.str(),
              "Scale=2\nFullscreen=0\nVolume=30\nMute=0\nSpeed=2\nMusicVolume=100\n# mine\nColourBlind=1\nScale 3\n");
}

TEST(SettingsFile, NowhereToWriteIsToldOnceAndTheGameGoesOn)
{
    TempFolder folder;
    // A file where the folder should be: no folder can be made inside it.
    std::ofstream(folder.path / "plain") << "not a folder\n";
    for (const std::string& place : {std::string(), (folder.path / "plain" / "inside").string()}) {
        SettingsFile file(place);
        const CheckpointFile checkpoint(place, "data/strings.txt"); // every wave's save fails alike
        testing::internal::CaptureStderr();
        file.save(Settings());
        file.save(Settings());
        EXPECT_FALSE(checkpoint.save(Checkpoint()) || checkpoint.save(Checkpoint()));
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;
    }
}
