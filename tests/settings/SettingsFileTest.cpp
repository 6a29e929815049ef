#include "settings/SettingsFile.h"

#include "checkpoint/CheckpointFile.h"
#include "settings/PlayerSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
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
        // An older file's Speed is kept as a line of no key the game reads: no fault, no effect.
        {"Scale=3\nFullscreen=1\nVolume=40\nMute=1\nSpeed=4\n", {3, true, 40, true, 100, std::nullopt, std::nullopt}, 0},
        {" Scale = 5 \r\nSpeed=8", {5, false, 100, false, 100, std::nullopt, std::nullopt}, 0},
        {"Scale=0x3\nFullscreen=yes\nVolume=-10\nMute=2\nSpeed=3\n", Settings(), 4},
        {"Volume=101\nSpeed=\nScale=99999999999999\nMute=1\n", {2, false, 100, true, 100, std::nullopt, std::nullopt}, 2},
        {"\xEF\xBB\xBFMute=1\r\nScale 3\n# mine\n\nColourBlind=1\n\x01\xff\n", {2, false, 100, true, 100, std::nullopt, std::nullopt}, 2},
        {"Scale=3\nScale=x\nVolume=40\nVolume=\nSpeed=4\nSpeed=3\n", Settings(), 2},
        {"Difficulty=hard\nMute=1\n", {2, false, 100, true, 100, Difficulty::Level::Hard, std::nullopt}, 0},
        {"MusicVolume=40\nMusicVolume=101\n", Settings(), 1},
        {"MusicVolume= 30\nVolume=70", {2, false, 70, false, 30, std::nullopt, std::nullopt}, 0},
        {"Difficulty=Easy\nDifficulty=Medium\n", Settings(), 1},
        {"Mode=mixed\nDifficulty=Hard\n", {2, false, 100, false, 100, Difficulty::Level::Hard, GameMode::Mixed}, 0},
        {"Mode=Mixed\nMode=Arcade\n", Settings(), 1},
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
    settings.set(PlayerSettings::Entry::Mute, 1);
    settings.finishWriting();
    EXPECT_EQ(settings.inEffect().scale, 4);
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_EQ(text.str(), "Scale=2\nFullscreen=0\nVolume=30\nMute=1\nMusicVolume=100\n# mine\nColourBlind=1\nScale 3\nSpeed=3\n")
        << "no difficulty chosen yet, none written";
    settings.set(PlayerSettings::Entry::Difficulty, static_cast<int>(Difficulty::Level::Easy));
    settings.finishWriting();
    EXPECT_EQ(SettingsFile(folder.path.string()).load().difficulty, Difficulty::Level::Easy);
}

// Without a file a launch is a first one; keep() writes the file, and the next launch is not.
TEST(SettingsFile, AFirstLaunchIsOneWithoutAFileAndKeepWritesItForTheNext)
{
    TempFolder folder;
    for (bool first : {true, false}) {
        auto file = std::make_unique<SettingsFile>(folder.path.string());
        const Settings stored = file->load();
        PlayerSettings settings;
        settings.attach(std::move(file), stored, stored);
        EXPECT_EQ(settings.firstLaunch(), first);
        settings.keep();
        settings.finishWriting();
    }
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

TEST(SettingsFile, AFileThatCannotBeReadIsNeverWrittenAndToldOnceAsAreFaultsOfWriting)
{
    TempFolder folder;
    const std::filesystem::path path = folder.path / "settings.txt";
    const std::string large = "# the player's own\n" + std::string(70 * 1024, '#') + "\nVolume=30\n";
    const std::function<void()> unreadable[] = {
        [&] { std::ofstream(path) << large; },
        [&] { mkfifo(path.c_str(), 0600); },
    };
    for (const auto& make : unreadable) {
        std::filesystem::remove(path);
        make();
        const auto before = std::filesystem::status(path);
        PlayerSettings settings;
        auto file = std::make_unique<SettingsFile>(folder.path.string());
        testing::internal::CaptureStderr();
        const Settings stored = file->load();
        settings.attach(std::move(file), stored, stored);
        for (int volume = 90; volume >= 0; volume -= 10)
            settings.set(PlayerSettings::Entry::Volume, volume);
        settings.finishWriting();
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
        EXPECT_EQ(std::pair(stored, settings.inEffect().volume), std::pair(Settings(), 0));
        EXPECT_EQ(std::filesystem::status(path).type(), before.type());
        if (before.type() == std::filesystem::file_type::regular) {
            std::ostringstream text;
            text << std::ifstream(path).rdbuf();
            EXPECT_EQ(text.str(), large);
        }
    }

    // A write that fails says why once, in one line, with control bytes of the file shown escaped.
    std::filesystem::remove(path);
    std::ofstream(path) << "Volume=\x1b]0;title\x07\n";
    SettingsFile file(folder.path.string());
    testing::internal::CaptureStderr();
    file.load();
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    file.save(Settings());
    file.save(Settings());
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;
    EXPECT_EQ(told.find_first_of("\x1b\x07"), std::string::npos) << told;
    EXPECT_NE(told.find("\\x1b]0;title\\x07"), std::string::npos) << told;
    EXPECT_EQ(told.find("cannot write"), told.rfind("cannot write")) << told;
}
