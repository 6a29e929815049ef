#include "mztool/DataChecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace fs = std::filesystem;

namespace {

// A copy of the shipped data set in a temporary folder, to break in one way per test.
class BrokenData : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("checker-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        fs::copy("data", root / "data", fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(root); }

    void appendLine(const std::string& line)
    {
        std::ofstream file(root / "data" / "strings.txt", std::ios::app);
        file << line << "\n";
    }

    std::vector<std::string> check() { return mztool::DataChecker((root / "data").string()).run(); }

    // Rewrites strings.txt without the lines that start with any of the prefixes.
    void dropLines(std::initializer_list<std::string> prefixes)
    {
        std::ifstream in(root / "data" / "strings.txt");
        std::string kept;
        for (std::string line; std::getline(in, line);) {
            if (std::none_of(prefixes.begin(), prefixes.end(), [&](const std::string& p) { return line.rfind(p, 0) == 0; }))
                kept += line + "\n";
        }
        in.close();
        std::ofstream(root / "data" / "strings.txt") << kept;
    }

    static bool mentions(const std::vector<std::string>& problems, const std::string& a, const std::string& b = "")
    {
        return std::any_of(problems.begin(), problems.end(), [&](const std::string& line) {
            return line.find(a) != std::string::npos && line.find(b) != std::string::npos;
        });
    }

    fs::path root;
};

} // namespace

TEST_F(BrokenData, ShippedDataIsClean)
{
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST_F(BrokenData, ReportsEveryMissingFileInOneRun)
{
    fs::remove(root / "data" / "bg.mz");
    fs::remove(root / "data" / "puff2.sz");
    fs::remove(root / "data" / "font_small.mz");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "bg.mz"));
    EXPECT_TRUE(mentions(problems, "puff2.sz"));
    EXPECT_TRUE(mentions(problems, "FontSmall", "font_small.mz"));
    EXPECT_EQ(problems.size(), 3u);
}

TEST_F(BrokenData, MissingConfigurationIsOneProblem)
{
    fs::remove(root / "data" / "strings.txt");
    const std::vector<std::string> problems = check();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(mentions(problems, "strings.txt"));
}

TEST_F(BrokenData, SheetLackingAnAnimationTheGamePlays)
{
    appendLine("Tower1.Sprite=data/poof.sz"); // one animation; the laser plays three
    EXPECT_TRUE(mentions(check(), "Tower1.Sprite", "the game plays 3"));
}

TEST_F(BrokenData, FontMissingCharacters)
{
    appendLine("FontSmall=data/cloud1.mz");
    EXPECT_TRUE(mentions(check(), "FontSmall"));
}

TEST_F(BrokenData, FontTallerThanTenPixels)
{
    // A font image with one row of 95 cells, each 3 x 12 pixels.
    const int cells = 95;
    const int width = 1 + cells * 4;
    const int height = 14;
    std::string image;
    image += static_cast<char>(width & 0xFF);
    image += static_cast<char>(width >> 8);
    image += static_cast<char>(height);
    image += '\0';
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool separator = y == 0 || y == height - 1 || x % 4 == 0;
            image += separator ? std::string("\x00\xFF\x00", 3) : std::string("\xFF\x00\xFF", 3);
        }
    }
    std::ofstream(root / "data" / "tall.mz", std::ios::binary) << image;
    appendLine("FontMain=data/tall.mz");
    EXPECT_TRUE(mentions(check(), "FontMain", "12 pixels high"));
}

TEST_F(BrokenData, MissingAndNonNumericKeys)
{
    appendLine("StartingMoney=");
    appendLine("Tower1.DamageBase=three");
    appendLine("Invader1.Size=7px");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "StartingMoney", "missing"));
    EXPECT_TRUE(mentions(problems, "Tower1.DamageBase=three", "not a whole number"));
    EXPECT_TRUE(mentions(problems, "Invader1.Size=7px", "not a number"));
}

TEST_F(BrokenData, EarlyCallBonusMayBeLeftOutButMustBeAWholeNumber)
{
    dropLines({"EarlyCallBonus="});
    mztool::DataChecker checker((root / "data").string());
    EXPECT_TRUE(checker.run().empty());
    EXPECT_TRUE(mentions(checker.notes(), "EarlyCallBonus", "pays 2"));
    appendLine("EarlyCallBonus=two");
    EXPECT_TRUE(mentions(check(), "EarlyCallBonus=two", "not a whole number"));
}

TEST_F(BrokenData, DifficultyKeysAreCheckedAndListed)
{
    mztool::DataChecker shipped((root / "data").string());
    EXPECT_TRUE(shipped.run().empty());
    for (const char* level : {"Easy: StartingMoney", "Normal: StartingMoney", "Hard: StartingMoney"})
        EXPECT_TRUE(mentions(shipped.notes(), level, "RewardFactor")) << level;
    appendLine("Hard.InvaderSpeedFactor=0");
    appendLine("Easy.StartingHealt=40");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "Hard.InvaderSpeedFactor=0", "factor above 0"));
    EXPECT_TRUE(mentions(problems, "Easy.StartingHealt", "did you mean Easy.StartingHealth"));
}

TEST_F(BrokenData, SpacesAroundEqualsAndNearMisses)
{
    appendLine("TowerBaseline = 200");
    appendLine("Tower2.SplashRadus=20");
    appendLine("Colour=blue");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "TowerBaseline ", "spaces around"));
    EXPECT_TRUE(mentions(problems, "Tower2.SplashRadus", "did you mean Tower2.SplashRadius"));
    EXPECT_TRUE(mentions(problems, "Colour", "not a key the game reads"));
}

TEST_F(BrokenData, PeriodsThatAreNotPositive)
{
    appendLine("Tower3.FreqBase=0");
    appendLine("Tower1.FreqBase=0.4");
    appendLine("Tower1.Upgrade1.Level1.FreqMod=-0.2"); // three levels take it to -0.2
    appendLine("Tower1.Upgrade2.Level1.MissileFreq=0");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "Tower3.FreqBase", "above 0"));
    EXPECT_TRUE(mentions(problems, "Tower1.Upgrade1", "stay above 0"));
    EXPECT_TRUE(mentions(problems, "Tower1.Upgrade2.Level1.MissileFreq", "above 0"));
}

TEST_F(BrokenData, KerningsThatBreakTheGamesTexts)
{
    appendLine("FontMainRedKerning=-6"); // "Game Over" would be no pixels wide
    appendLine("FontSmallKerning=100000");
    appendLine("FontMainKerning=-9");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "FontMainRedKerning=-6", "caption"));
    EXPECT_TRUE(mentions(problems, "FontSmallKerning=100000", "wider than the field"));
    EXPECT_TRUE(mentions(problems, "FontMainKerning=-9", "left of it"));
}

TEST_F(BrokenData, FrameTimesOutsideASecondAndCountsTheGameCuts)
{
    appendLine("TimestepThreshold=1e30");
    appendLine("Tower2.Upgrades=65");
    appendLine("Tower1.Upgrade1.Levels=100");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "TimestepThreshold=1e30", "outside 0 to 1 second"));
    EXPECT_TRUE(mentions(problems, "Tower2.Upgrades=65", "cut to 64"));
    EXPECT_TRUE(mentions(problems, "Tower1.Upgrade1.Levels=100", "cut to 64"));
    appendLine("TimestepThreshold=-0.5");
    EXPECT_TRUE(mentions(check(), "TimestepThreshold=-0.5", "outside 0 to 1 second"));
}

TEST_F(BrokenData, KeysTheGameReadsAsZeroWhenMissingAreNotesOnly)
{
    dropLines({"FontSmallKerning", "Tower3.Upgrade"});
    mztool::DataChecker checker((root / "data").string());
    const std::vector<std::string> problems = checker.run();
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_TRUE(mentions(checker.notes(), "FontSmallKerning", "reads it as 0"));
    EXPECT_TRUE(mentions(checker.notes(), "Tower3.Upgrades", "reads it as 0"));
}

TEST_F(BrokenData, SuggestsOnlyCloseSpellingsWithTheSameNumbers)
{
    appendLine("Tower3.Upgrades=0");
    appendLine("Tower1.Upgrade1.Level1.Icn=1");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "Tower1.Upgrade1.Level1.Icn", "did you mean Tower1.Upgrade1.Level1.Icon?"));
    EXPECT_TRUE(mentions(problems, "\"Tower3.Upgrade1.Level2.Icon\" is not read", "beyond"));
    EXPECT_FALSE(mentions(problems, "Tower3.Upgrade1.Level2.Icon", "did you mean"));
}

TEST_F(BrokenData, ReadsEveryFileFromTheFolderNamedDataAsTheGameDoes)
{
    fs::rename(root / "data", root / "mydata");
    fs::create_directories(root / "data");
    fs::copy_file(root / "mydata" / "strings.txt", root / "data" / "strings.txt");
    const std::vector<std::string> problems = mztool::DataChecker((root / "mydata").string()).run();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(mentions(problems, "not a folder named data"));
    // From the parent, with a trailing slash, the game's own paths find only what data/ holds.
    EXPECT_TRUE(mentions(mztool::DataChecker((root / "data/").string()).run(), "bg.mz"));
}

TEST_F(BrokenData, SoundFilesMissingBrokenOrInAnotherFormat)
{
    fs::remove(root / "data" / "refused.wav");
    std::ofstream(root / "data" / "game_over.wav", std::ios::binary) << "RIFF\x10\0\0\0WAVEjunk";
    // The laser's sound as 8-bit 11,025 Hz: a playable file, but not the game's format.
    const unsigned char header[44] = {'R', 'I', 'F', 'F', 136, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                      16, 0, 0, 0, 1, 0, 1, 0, 0x11, 0x2b, 0, 0, 0x11, 0x2b, 0, 0,
                                      1, 0, 8, 0, 'd', 'a', 't', 'a', 100, 0, 0, 0};
    std::ofstream(root / "data" / "laser_fired.wav", std::ios::binary)
        << std::string(header, header + sizeof header) << std::string(100, '\x80');
    fs::rename(root / "data" / "tower_built.wav", root / "built.wav"); // found by its absolute path, as the game does
    appendLine("Sound.TowerBuilt=" + (root / "built.wav").string());
    appendLine("Sound.TowerSold=");
    appendLine("SoundVolume=300");
    appendLine("Sound.Missile=data/laser_fired.wav");
    const std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "refused.wav\" (configuration key Sound.Refused): cannot open it"));
    EXPECT_TRUE(mentions(problems, "Sound.GameOver", "game_over.wav"));
    EXPECT_TRUE(mentions(problems, "SoundVolume=300", "outside 0..255"));
    EXPECT_TRUE(mentions(problems, "Sound.Missile", "not a key the game reads"));
    EXPECT_TRUE(mentions(problems, "Sound.LaserFired", "8 bits, 11025 Hz; the game's sounds are mono, 16 bits"));
    EXPECT_FALSE(mentions(problems, "Sound.TowerSold")); // an empty sound key is allowed
    EXPECT_EQ(problems.size(), 5u);
}

TEST_F(BrokenData, MusicModulesMissingNotRegularTooLargeOrRefused)
{
    fs::remove(root / "data" / "music-build.mod");
    fs::remove(root / "data" / "music-wave.mod");
    fs::create_directory(root / "data" / "music-wave.mod");
    std::ofstream(root / "data" / "music-gameover.mod", std::ios::binary) << std::string(5u << 20, 'x');
    appendLine("Music.Pause=data/music-build.mod");
    appendLine("MusicVolume=-1");
    std::vector<std::string> problems = check();
    EXPECT_TRUE(mentions(problems, "music-build.mod\" (configuration key Music.Build): cannot open it"));
    EXPECT_TRUE(mentions(problems, "(configuration key Music.Wave)", "folder"));
    EXPECT_TRUE(mentions(problems, "(configuration key Music.GameOver)", "larger than 4194304 bytes"));
    EXPECT_TRUE(mentions(problems, "Music.Pause", "not a key the game reads"));
    EXPECT_TRUE(mentions(problems, "MusicVolume=-1", "outside 0..255"));
    EXPECT_EQ(problems.size(), 5u);

    std::ofstream(root / "data" / "music-gameover.mod", std::ios::binary) << std::string(1084, '\0');
    dropLines({"Music.Build", "Music.Wave", "Music.Pause", "MusicVolume"}); // empty keys: that music is silent
    problems = check();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(mentions(problems, "Music.GameOver", "not a ProTracker module"));

    // An empty module, and the shipped one cut inside its samples: one line each.
    std::ofstream(root / "data" / "music-gameover.mod", std::ios::binary).close();
    fs::copy_file("data/music-build.mod", root / "data" / "music-cut.mod");
    fs::resize_file(root / "data" / "music-cut.mod", fs::file_size("data/music-build.mod") - 1);
    appendLine("Music.Build=data/music-cut.mod");
    problems = check();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_TRUE(mentions(problems, "(configuration key Music.GameOver)", "the file is empty"));
    EXPECT_TRUE(mentions(problems, "music-cut.mod\" (configuration key Music.Build)", "ends inside sample"));
}

TEST_F(BrokenData, MixedKindsAreNotedOnlyForTheRulesTheyHave)
{
    dropLines({"Invader4.ShieldReturn", "Invader2.Armour"});
    appendLine("Invader3.Armour=two");
    mztool::DataChecker checker((root / "data").string());
    const std::vector<std::string> problems = checker.run();
    // The shielded and the armoured lost their own rules: noted.
    EXPECT_TRUE(mentions(checker.notes(), "Invader4.ShieldReturn is missing"));
    EXPECT_TRUE(mentions(checker.notes(), "Invader2.Armour is missing"));
    // Rules the kinds never had: no news, but a written one is still checked.
    for (const char* other : {"Invader6.ShieldReturn", "Invader6.Shield", "Invader5.Armour", "Invader6.FromWave",
                              "Invader6.Share", "Invader2.Every"})
        EXPECT_FALSE(mentions(checker.notes(), other)) << other;
    EXPECT_TRUE(mentions(problems, "Invader3.Armour=two", "not a whole number"));
    EXPECT_EQ(problems.size(), 1u);
}
