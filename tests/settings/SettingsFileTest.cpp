#include "settings/SettingsFile.h"

#include "settings/PlayerSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <algorithm>

namespace {

struct TempFolder {
    std::filesystem::path path;
    TempFolder()
    {
        char name[] = "/tmp/settingsfile-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(SettingsFile, EachBadValueFallsBackToItsDefaultAlone)
{
    struct Case {
        const char* text;
        Settings expected;
        std::size_t problems;
    };
    const Case cases[] = {
        {"Scale=3\nFullscreen=1\nVolume=40\nMute=1\nSpeed=4\n", {3, true, 40, true, 4}, 0},
        {" Scale = 5 \r\nSpeed=8", {5, false, 100, false, 8}, 0},
        {"Scale=9\nVolume=40\n", {2, false, 40, false, 1}, 1},
        {"Scale=0x3\nFullscreen=yes\nVolume=-10\nMute=2\nSpeed=3\n", Settings(), 5},
        {"Volume=101\nSpeed=\nScale=99999999999999\nMute=1\n", {2, false, 100, true, 1}, 3},
    };
    for (const Case& c : cases) {
        std::vector<std::string> problems;
        std::vector<std::string> unknown;
        EXPECT_EQ(SettingsFile::parse(c.text, problems, unknown), c.expected) << c.text;
        EXPECT_EQ(problems.size(), c.problems) << c.text;
        EXPECT_TRUE(unknown.empty()) << c.text;
    }
}

TEST(SettingsFile, WritesWhatItReadsAndKeepsLinesItDoesNotKnow)
{
    TempFolder folder;
    const std::string path = (folder.path / "squibble-siege" / "settings.txt").string();
    SettingsFile file((folder.path / "squibble-siege").string());
    EXPECT_EQ(file.load(), Settings()) << "no file yet";
    std::filesystem::create_directories(folder.path / "squibble-siege");
    std::ofstream(path) << "# mine\nVolume=30\nColourBlind=1\n";
    const Settings loaded = file.load();
    EXPECT_EQ(loaded.volume, 30);
    Settings changed = loaded;
    changed.speed = 2;
    file.save(changed);
    EXPECT_EQ(fileText(path), "Scale=2\nFullscreen=0\nVolume=30\nMute=0\nSpeed=2\n# mine\nColourBlind=1\n");
    EXPECT_EQ(SettingsFile(folder.path / "squibble-siege").load(), changed);
}

TEST(SettingsFile, NowhereToWriteIsToldOnceAndTheGameGoesOn)
{
    TempFolder folder;
    // A file where the folder should be: no folder can be made inside it.
    std::ofstream(folder.path / "plain") << "not a folder\n";
    for (const std::string& place : {std::string(), (folder.path / "plain" / "inside").string()}) {
        SettingsFile file(place);
        testing::internal::CaptureStderr();
        file.save(Settings());
        file.save(Settings());
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    }
}

TEST(PlayerSettings, TheCommandLineHoldsForTheRunAndOnlyChangesInTheGameAreKept)
{
    TempFolder folder;
    Settings stored;
    stored.volume = 60;
    Settings run = stored;
    run.scale = 4;
    run.mute = true;
    PlayerSettings settings;
    settings.attach(std::make_unique<SettingsFile>(folder.path.string()), stored, run);
    settings.set(PlayerSettings::Field::Speed, 4);
    EXPECT_EQ(settings.inEffect().scale, 4);
    EXPECT_EQ(settings.inEffect().speed, 4);
    const Settings kept = SettingsFile(folder.path.string()).load();
    EXPECT_EQ(kept.scale, 2);
    EXPECT_FALSE(kept.mute);
    EXPECT_EQ(kept.volume, 60);
    EXPECT_EQ(kept.speed, 4);
}
