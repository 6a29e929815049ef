#include "files/AtomicFile.h"
#include "files/PlayerFolder.h"

#include "app/Config.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "audio/WavFile.h"
#include "files/DataSetChecksum.h"
#include "mztool/GameFile.h"
#include "mztool/SheetDescription.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TempFolder {
    std::filesystem::path path;
    TempFolder()
    {
        char name[] = "/tmp/atomicfile-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

} // namespace

TEST(AtomicFile, WritesIntoNewFoldersHonouringTheUmaskAndLeavesNoTemporary)
{
    TempFolder folder;
    const std::string file = (folder.path / "a" / "b" / "settings.txt").string();
    const mode_t old = umask(077);
    const std::string failure = AtomicFile::write(file, "Scale=3\n");
    umask(old);
    ASSERT_EQ(failure, "");
    struct stat status;
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    std::ofstream(file + ".tmp-dead00") << "a write killed an hour ago";
    std::filesystem::last_write_time(file + ".tmp-dead00", std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    std::filesystem::create_symlink("b/settings.txt", folder.path / "a" / "link.txt");
    ASSERT_EQ(AtomicFile::write((folder.path / "a" / "link.txt").string(), "Scale=4\n"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "a" / "link.txt"));
    EXPECT_EQ(AtomicFile::read(file, 64).text.value_or(""), "Scale=4\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path / "a" / "b"), {}), 1);
}

TEST(AtomicFile, ReadRefusesWhatIsNotASmallRegularFileWithoutBlocking)
{
    TempFolder folder;
    const std::string fifo = (folder.path / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = (folder.path / "big").string();
    std::ofstream(big) << std::string(65, 'x');

    EXPECT_TRUE(AtomicFile::read((folder.path / "none").string(), 64).missing);
    for (const std::string& path : {fifo, big, folder.path.string()}) {
        const AtomicFile::ReadResult result = AtomicFile::read(path, 64);
        EXPECT_FALSE(result.text) << path;
        EXPECT_FALSE(result.missing) << path;
        EXPECT_NE(result.error, "") << path;
    }
}

TEST(AtomicFile, EveryLoaderOfTheGameRefusesAPipeOrADeviceWithoutWaiting)
{
    TempFolder folder;
    const std::string fifo = (folder.path / "pipe.mz").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(Config().load(fifo) || Config().load("/dev/zero"));
    EXPECT_EQ(load_bitmap(fifo.c_str(), nullptr), nullptr);
    EXPECT_TRUE(SpriteSheet(fifo).empty());
    EXPECT_FALSE(BitmapFont(fifo).hasGlyphs());
    EXPECT_EQ(DataSetChecksum::of(fifo), DataSetChecksum::of("/dev/zero"));
    std::string error, sound;
    EXPECT_FALSE(mztool::SheetDescription().load(fifo, error) || mztool::GameFile().load(fifo, error));
    EXPECT_FALSE(WavFile().inspect(fifo, sound) || WavFile().inspect(folder.path.string(), error));
    EXPECT_EQ(sound + "; " + error, "it is not a regular file; it is a folder");
}

TEST(AtomicFile, WriteIntoAnUnwritablePlaceSaysWhyAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string blocker = (folder.path / "file").string();
    std::ofstream(blocker) << "old";
    EXPECT_NE(AtomicFile::write(blocker + "/below.txt", "x"), "");
    EXPECT_EQ(AtomicFile::read(blocker, 64).text.value_or(""), "old");
}

TEST(PlayerFolder, FollowsTheXdgVariableWhenAbsoluteAndHomeOtherwise)
{
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const std::string state = savedState ? savedState : "";
    setenv("HOME", "/home/p", 1);
    setenv("XDG_STATE_HOME", "/s", 1);
    EXPECT_EQ(PlayerFolder::of(PlayerFolder::Kind::State), "/s/squibble-siege");
    setenv("XDG_STATE_HOME", "relative", 1);
    EXPECT_EQ(PlayerFolder::of(PlayerFolder::Kind::State), "/home/p/.local/state/squibble-siege");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PlayerFolder::of(PlayerFolder::Kind::Config), "/home/p/.config/squibble-siege");
    setenv("HOME", "home/p", 1);
    EXPECT_EQ(PlayerFolder::of(PlayerFolder::Kind::Config), "");
    unsetenv("HOME");
    EXPECT_EQ(PlayerFolder::of(PlayerFolder::Kind::Config), "");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
    savedState ? setenv("XDG_STATE_HOME", state.c_str(), 1) : unsetenv("XDG_STATE_HOME");
}
