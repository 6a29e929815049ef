#include "records/RecordFile.h"

#include "files/DataSetChecksum.h"
#include "files/FileLock.h"
#include "files/FileWriter.h"
#include "records/BestRecord.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <sys/stat.h>
#include <algorithm>
#include <tuple>

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
    // The file once the records' writes are done.
    std::string read(const std::string& path)
    {
        writer->finish();
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    RecordFile record(const std::string& configFile = "strings.txt")
    {
        return RecordFile((root / "share").string(), (root / configFile).string(), GameMode::Classic,
                          Difficulty::Level::Normal, writer);
    }

    fs::path root;
    const std::string config = "strings.txt";
    std::shared_ptr<FileWriter> writer = std::make_shared<FileWriter>();
};

} // namespace

TEST_F(RecordFileTest, CreatesItsFolderAndReplacesTheRecordLeavingNoTemporaryFile)
{
    EXPECT_EQ(record().load(), std::nullopt);
    EXPECT_EQ(record().keepIfHigher(7).stored, std::nullopt);
    EXPECT_EQ(record().keepIfHigher(12).stored, 7);
    EXPECT_EQ(record().load(), 12);
    EXPECT_EQ(read(record().path()), "12\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "share"), {}), 2); // the record and its lock
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
    ASSERT_EQ(mkfifo(record().path().c_str(), 0600), 0); // a pipe neither blocks nor counts, nor is replaced
    EXPECT_EQ(record().load(), std::nullopt);
    EXPECT_EQ(record().keepIfHigher(3).stored, std::nullopt);
    EXPECT_TRUE(fs::is_fifo(record().path()));
    fs::remove(record().path());
    // A record that is not one is told once, at start-up, not again at game over.
    std::ofstream(record().path()) << "seven\n";
    testing::internal::CaptureStderr();
    BestRecord(std::make_unique<RecordFile>(record())).gameEnded(0);
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
}

TEST_F(RecordFileTest, AnUnwritableFolderOrAFailedRenameLosesOnlyTheNewRecord)
{
    write("share", "not a folder"); // nothing can be created under it, even by root
    EXPECT_EQ(record().keepIfHigher(5).stored, std::nullopt);
    EXPECT_EQ(read((root / "share").string()), "not a folder");
    fs::remove(root / "share");
    fs::create_directories(fs::path(record().path()) / "full"); // a folder the rename cannot replace
    EXPECT_EQ(record().keepIfHigher(5).stored, std::nullopt);
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "share"), {}), 2);
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

TEST_F(RecordFileTest, EachModeAndDifficultyHasItsOwnRecordAndClassicNormalKeepsTheOldName)
{
    const std::string share = (root / "share").string();
    const std::string configPath = (root / config).string();
    const std::string stem = share + "/best-" + DataSetChecksum::of(configPath);
    const std::tuple<GameMode, Difficulty::Level, std::string, int> levels[] = {
        {GameMode::Classic, Difficulty::Level::Normal, stem + ".txt", 4},
        {GameMode::Classic, Difficulty::Level::Easy, stem + "-easy.txt", 9},
        {GameMode::Classic, Difficulty::Level::Hard, stem + "-hard.txt", 2},
        {GameMode::Mixed, Difficulty::Level::Normal, stem + "-mixed.txt", 7},
        {GameMode::Mixed, Difficulty::Level::Hard, stem + "-mixed-hard.txt", 3},
    };
    for (const auto& [mode, level, path, waves] : levels) {
        RecordFile file(share, configPath, mode, level);
        EXPECT_EQ(file.path(), path);
        file.keepIfHigher(waves);
    }
    EXPECT_EQ(record().path(), stem + ".txt");
    for (const auto& [mode, level, path, waves] : levels)
        EXPECT_EQ(RecordFile(share, configPath, mode, level).load(), waves) << path;
}

TEST_F(RecordFileTest, TwoGamesSharingTheRecordKeepTheHigherOneAtATimeAndOnlyTheBeaterSaysNewBest)
{
    ASSERT_EQ(record().keepIfHigher(5).stored, std::nullopt);
    BestRecord first(std::make_unique<RecordFile>(record())), second(std::make_unique<RecordFile>(record()));
    second.gameEnded(10);
    writer->finish(); // the second game's record is on disk
    first.gameEnded(7);
    EXPECT_EQ(std::tuple(second.newBest(), first.newBest(), first.best(), read(record().path())),
              std::tuple(true, false, 10, "10\n"));
    // While another game holds the lock nothing waits for it; a count below the record needs none.
    auto other = std::make_unique<FileLock>(record().path() + ".lock");
    const RecordStore::Offer below = record().keepIfHigher(9), above = record().keepIfHigher(11);
    EXPECT_EQ(std::tuple(below.busy, below.stored, above.busy, read(record().path())),
              std::tuple(false, std::optional(10), true, "10\n"));
    other.reset();
    EXPECT_FALSE(record().keepIfHigher(11).busy);
    EXPECT_EQ(read(record().path()), "11\n");
}

TEST_F(RecordFileTest, ANewRecordIsWrittenOnTheWriterUnderItsLockAndIsOnDiskWhenTheGameGoes)
{
    record().keepIfHigher(4);
    auto writer = std::make_shared<FileWriter>();
    std::promise<void> slowDisk;
    writer->post("another file", [disk = slowDisk.get_future().share()] { disk.wait(); });
    {
        RecordFile mine((root / "share").string(), (root / config).string(), GameMode::Classic,
                        Difficulty::Level::Normal, writer);
        const RecordStore::Offer offered = mine.keepIfHigher(9); // returns while the disk is busy
        const RecordStore::Offer other = record().keepIfHigher(10);
        EXPECT_EQ(std::tuple(offered.stored, offered.busy, mine.load(), read(record().path()), other.busy),
                  std::tuple(std::optional(4), false, std::optional(9), "4\n", true));
        slowDisk.set_value();
    }
    EXPECT_EQ(read(record().path()), "9\n");
}

TEST_F(RecordFileTest, ACountFindingTheLockHeldIsOfferedForASecondOfFramesThenAtClose)
{
    record().keepIfHigher(10);
    auto other = std::make_unique<FileLock>(record().path() + ".lock");
    BestRecord late(std::make_unique<RecordFile>(record())), quick(std::make_unique<RecordFile>(record()));
    quick.gameEnded(11);
    quick.retry(7.0);
    other.reset();
    quick.retry(7.1);
    EXPECT_EQ(read(record().path()), "11\n") << "taken in a frame soon after";

    other = std::make_unique<FileLock>(record().path() + ".lock");
    testing::internal::CaptureStderr();
    late.gameEnded(12);
    for (double now : {50.0, 50.5, 51.0, 52.0})
        late.retry(now);
    other.reset();
    late.retry(53.0); // the retries are over: the count waits for the close
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::tuple(std::count(told.begin(), told.end(), '\n'), read(record().path()), late.best(), late.newBest()),
              std::tuple(1, "11\n", 12, true))
        << told;
    late.close();
    EXPECT_EQ(read(record().path()), "12\n");
}

TEST_F(RecordFileTest, HonoursTheUmaskAndWithoutAFolderReadsAndWritesNothing)
{
    for (const auto& [mask, mode] : {std::pair{0077, 0600}, std::pair{0022, 0644}, std::pair{0, 0666}}) {
        fs::remove_all(root / "share");
        const mode_t old = umask(mask);
        record().keepIfHigher(4);
        umask(old);
        EXPECT_EQ(fs::status(record().path()).permissions(), fs::perms(mode)) << mask;
    }
    const fs::path previous = fs::current_path();
    fs::current_path(root / "share"); // where a stray best-<checksum>.txt, not the player's, lies
    RecordFile nowhere("", (root / config).string());
    EXPECT_EQ(std::pair(nowhere.load(), nowhere.keepIfHigher(9).stored), std::pair(std::optional<int>(), std::optional<int>()));
    EXPECT_EQ(read(record().path()), "4\n");
    fs::current_path(previous);
    BestRecord inMemory(std::make_unique<RecordFile>(nowhere)); // lasts as long as the game
    inMemory.gameEnded(6);
    inMemory.gameEnded(5);
    EXPECT_EQ(std::pair(inMemory.best(), inMemory.newBest()), std::pair(6, false));
}
