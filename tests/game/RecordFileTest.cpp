#include "game/RecordFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A private folder with a data set's configuration file in it, removed after each test.
class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/squibble-record-XXXXXX";
        root = mkdtemp(name);
        config = (root / "strings.txt").string();
        write(config, "StartingHealth=20\n");
        folder = (root / "share" / "squibble-siege").string();
    }
    void TearDown() override { fs::remove_all(root); }

    static void write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    static std::string read(const std::string& path)
    {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    int filesIn(const fs::path& dir) const { return static_cast<int>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path root;
    std::string config;
    std::string folder;
};

using RecordFileReading = RecordFileTest;
using RecordFileWriting = RecordFileTest;
using RecordFilePlace = RecordFileTest;

} // namespace

TEST_F(RecordFileWriting, CreatesTheFolderAndReadsBackWhatItWrote)
{
    RecordFile record(folder, config);
    EXPECT_EQ(record.load(), std::nullopt); // no file yet: no record, quietly
    ASSERT_TRUE(record.save(7));
    EXPECT_EQ(read(record.path()), "7\n");
    EXPECT_EQ(RecordFile(folder, config).load(), 7);
    ASSERT_TRUE(record.save(12));
    EXPECT_EQ(record.load(), 12);
    EXPECT_EQ(filesIn(folder), 1); // no temporary file is left beside it
}

TEST_F(RecordFileReading, ACorruptRecordCountsAsNoneAndStaysUntilANewOneIsWritten)
{
    RecordFile record(folder, config);
    fs::create_directories(folder);
    for (const char* text : {"", "\n", "seven\n", "7 waves\n", "-3\n", "99999999999999\n", "0x10\n",
                             "12345678901234567890123456789012345\n"}) {
        write(record.path(), text);
        EXPECT_EQ(record.load(), std::nullopt) << '"' << text << '"';
        EXPECT_EQ(read(record.path()), text); // reading never removes it
    }
    write(record.path(), "  42 \n");
    EXPECT_EQ(record.load(), 42);
    write(record.path(), "junk");
    ASSERT_TRUE(record.save(3));
    EXPECT_EQ(record.load(), 3);
}

TEST_F(RecordFileReading, AFolderWhereTheFileShouldBeIsNoRecord)
{
    RecordFile record(folder, config);
    fs::create_directories(record.path());
    EXPECT_EQ(record.load(), std::nullopt);
}

TEST_F(RecordFileWriting, AnUnwritableFolderLosesTheNewRecordButNothingElse)
{
    // A plain file where the folder should be: nothing can be created in it, even as root.
    write((root / "share").string(), "not a folder");
    RecordFile blocked(folder, config);
    EXPECT_FALSE(blocked.save(5));
    EXPECT_EQ(blocked.load(), std::nullopt);
    EXPECT_EQ(read((root / "share").string()), "not a folder");

    RecordFile noFolder("", config);
    EXPECT_FALSE(noFolder.save(5));
}

TEST_F(RecordFileWriting, AFailedReplaceKeepsTheOldRecord)
{
    RecordFile record(folder, config);
    ASSERT_TRUE(record.save(9));
    // The record's name taken by a folder with something in it: the rename over it fails.
    fs::remove(record.path());
    fs::create_directories(fs::path(record.path()) / "inside");
    EXPECT_FALSE(record.save(10));
    EXPECT_TRUE(fs::is_directory(record.path()));
    EXPECT_EQ(filesIn(folder), 1); // the temporary file went too
}

TEST_F(RecordFilePlace, EachDataSetKeepsItsOwnRecord)
{
    RecordFile shipped(folder, config);
    ASSERT_TRUE(shipped.save(4));
    const std::string modded = (root / "modded.txt").string();
    write(modded, "StartingHealth=1\n");
    RecordFile other(folder, modded);
    EXPECT_NE(other.path(), shipped.path());
    EXPECT_EQ(other.load(), std::nullopt);
    EXPECT_EQ(RecordFile::checksumOf(config), RecordFile::checksumOf(config));
    EXPECT_EQ(RecordFile::checksumOf(config).size(), 8u);
}

TEST_F(RecordFilePlace, FolderFollowsXdgDataHomeThenHome)
{
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = savedHome ? savedHome : "";
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/data/player", 1);
    EXPECT_EQ(RecordFile::defaultFolder(), "/data/player/squibble-siege");
    setenv("XDG_DATA_HOME", "relative/path", 1); // not absolute: ignored
    EXPECT_EQ(RecordFile::defaultFolder(), "/home/player/.local/share/squibble-siege");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(RecordFile::defaultFolder(), "/home/player/.local/share/squibble-siege");
    unsetenv("HOME");
    EXPECT_EQ(RecordFile::defaultFolder(), "");
    savedXdg ? setenv("XDG_DATA_HOME", xdg.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}
