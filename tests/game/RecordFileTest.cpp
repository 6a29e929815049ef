#include "game/RecordFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A private folder holding a data set's configuration file; the record goes in share/ below it.
class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/squibble-record-XXXXXX";
        root = mkdtemp(name);
        write(config, "StartingHealth=20\n");
    }
    void TearDown() override { fs::remove_all(root); }

    void write(const std::string& file, const std::string& text) { std::ofstream(root / file) << text; }
    std::string read(const std::string& path)
    {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    RecordFile record(const std::string& configFile = "strings.txt")
    {
        return RecordFile((root / "share").string(), (root / configFile).string());
    }

    fs::path root;
    const std::string config = "strings.txt";
};

} // namespace

TEST_F(RecordFileTest, CreatesItsFolderAndReplacesTheRecordLeavingNoTemporaryFile)
{
    EXPECT_EQ(record().load(), std::nullopt);
    ASSERT_TRUE(record().save(7));
    ASSERT_TRUE(record().save(12));
    EXPECT_EQ(record().load(), 12);
    EXPECT_EQ(read(record().path()), "12\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "share"), {}), 1);
}

TEST_F(RecordFileTest, AnUnparsableRecordIsNoneAndStaysUntilANewOneIsWritten)
{
    fs::create_directories(root / "share");
    for (const char* text : {"", "seven\n", "7 waves\n", "-3\n", "99999999999999\n", "0x10\n",
                             "12345678901234567890123456789012345\n"}) {
        std::ofstream(record().path()) << text;
        EXPECT_EQ(record().load(), std::nullopt) << '"' << text << '"';
        EXPECT_EQ(read(record().path()), text);
    }
    fs::remove(record().path());
    ASSERT_EQ(mkfifo(record().path().c_str(), 0600), 0); // a pipe neither blocks nor counts
    EXPECT_EQ(record().load(), std::nullopt);
    ASSERT_TRUE(record().save(3));
    EXPECT_EQ(record().load(), 3);
}

TEST_F(RecordFileTest, AnUnwritableFolderOrAFailedRenameLosesOnlyTheNewRecord)
{
    write("share", "not a folder"); // nothing can be created under it, even by root
    EXPECT_FALSE(record().save(5));
    EXPECT_EQ(read((root / "share").string()), "not a folder");
    fs::remove(root / "share");
    fs::create_directories(fs::path(record().path()) / "full"); // a folder the rename cannot replace
    EXPECT_FALSE(record().save(5));
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "share"), {}), 1);
    EXPECT_FALSE(RecordFile("", (root / config).string()).save(5));
}

TEST_F(RecordFileTest, EachDataSetHasItsOwnRecordInTheXdgDataFolder)
{
    write("modded.txt", "StartingHealth=1\n");
    EXPECT_NE(record("modded.txt").path(), record().path());
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string restore = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/data/player", 1);
    EXPECT_EQ(RecordFile::defaultFolder(), "/data/player/squibble-siege");
    setenv("XDG_DATA_HOME", "relative", 1); // not absolute: the home folder's default instead
    if (const char* home = std::getenv("HOME")) {
        EXPECT_EQ(RecordFile::defaultFolder(), std::string(home) + "/.local/share/squibble-siege");
    }
    saved ? setenv("XDG_DATA_HOME", restore.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}
