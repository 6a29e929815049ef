#include "files/AtomicFile.h"
#include "files/FileLock.h"
#include "files/FileWriter.h"
#include "files/PlainText.h"
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
#include <functional>
#include <future>
#include <tuple>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    return AtomicFile::read(path.string(), 64).text.value_or("");
}

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
    EXPECT_TRUE(AtomicFile::read(big + "/below", 64).missing) << "nothing is below a file";
    for (const std::string& path : {fifo, big, folder.path.string()}) {
        const AtomicFile::ReadResult result = AtomicFile::read(path, 64);
        EXPECT_FALSE(result.text) << path;
        EXPECT_FALSE(result.missing) << path;
        EXPECT_NE(result.error, "") << path;
    }
}

TEST(AtomicFile, ReadHoldsMemoryOfTheFilesSizeNotOfItsLimit)
{
    TempFolder folder;
    const std::string small = (folder.path / "small").string();
    std::ofstream(small) << "Scale=3\n";
    const AtomicFile::ReadResult result = AtomicFile::read(small, 16 * 1024 * 1024);
    ASSERT_EQ(result.text.value_or(""), "Scale=3\n");
    EXPECT_LT(result.text->capacity(), 1024u);
}

TEST(AtomicFile, WritesThroughALinkOnlyToARegularFileOrANewOneInAFolderThatIsThere)
{
    TempFolder folder;
    const std::filesystem::path fifo = folder.path / "fifo", socket = folder.path / "socket";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    std::vector<std::filesystem::path> refused{fifo, socket, folder.path / "missing" / "file", folder.path};
    // A device of our own, like the system's /dev/null, where the system lets us make one.
    if (mknod((folder.path / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        refused.push_back(folder.path / "null");
    for (const std::filesystem::path& target : refused) {
        const std::filesystem::path link = folder.path / ("to-" + target.filename().string());
        std::filesystem::create_symlink(target, link);
        const std::filesystem::file_type before = std::filesystem::symlink_status(target).type();
        // Written directly, the missing file would be made with its folder, as the game's own folders are.
        const bool there = before != std::filesystem::file_type::not_found;
        for (const std::filesystem::path& path : there ? std::vector{link, target} : std::vector{link}) {
            const std::string failure = AtomicFile::write(path.string(), "1\n");
            EXPECT_NE(failure, "") << path;
            EXPECT_EQ(failure.find('\n'), std::string::npos) << failure;
        }
        EXPECT_EQ(std::filesystem::symlink_status(target).type(), before) << target;
        EXPECT_TRUE(std::filesystem::is_symlink(link)) << link;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path / "missing")) << "no folder is made for a link";
    close(listener);

    std::filesystem::create_directories(folder.path / "dotfiles");
    std::filesystem::create_symlink("dotfiles/new.txt", folder.path / "new.txt");
    std::filesystem::create_symlink("new.txt", folder.path / "chain.txt");
    ASSERT_EQ(AtomicFile::write((folder.path / "chain.txt").string(), "Mute=1\n"), "");
    EXPECT_EQ(AtomicFile::read((folder.path / "dotfiles" / "new.txt").string(), 64).text.value_or(""), "Mute=1\n");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "new.txt"));
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

TEST(PlainText, PrintableEscapesControlBytesAndKeepsTheRest)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Scale 3", "Scale 3"},
        {"\x1b[2J\x07", "\\x1b[2J\\x07"},
        {std::string("a\0b\x7f\\", 5), "a\\x00b\\x7f\\x5c"},
        {"Lautst\xc3\xa4rke", "Lautst\xc3\xa4rke"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(PlainText::printable(text), shown);
}

TEST(FileWriter, RunsTasksInOrderKeepsTheLastOfAFileAndSpacesItsWrites)
{
    FileWriter writer;
    std::vector<std::string> ran; // appended by the writer's thread, read once it has ended
    std::promise<void> firstRan, otherRan;
    writer.post("settings", [&] { ran.push_back("settings 1"); firstRan.set_value(); }, std::chrono::hours(1));
    firstRan.get_future().wait();
    for (int value = 2; value <= 5; ++value)
        writer.post("settings", [&ran, value] { ran.push_back("settings " + std::to_string(value)); },
                    std::chrono::hours(1));
    writer.post("checkpoint", [&] { ran.push_back("checkpoint"); otherRan.set_value(); });
    otherRan.get_future().wait();
    EXPECT_EQ(writer.waiting(), 1u) << "the settings wait for their hour";
    writer.finish();
    EXPECT_EQ(ran, (std::vector<std::string>{"settings 1", "checkpoint", "settings 5"}));
    writer.post("again", [&] { ran.push_back("after finishing"); });
    writer.finish();
    EXPECT_EQ(ran.back(), "after finishing");
}

// What appears at the path while a write syncs (a pipe, a link, a folder) is never replaced.
TEST(AtomicFile, TheRenameChecksWhatIsThereAtThatMoment)
{
    TempFolder folder;
    const fs::path path = folder.path / "record.txt", temporary = folder.path / "record.txt.tmp-1";
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { mkfifo(path.c_str(), 0600); }, "it is not a regular file"},
        {[&] { fs::create_symlink(folder.path / "elsewhere", path); }, "it is not a regular file"},
        {[&] { fs::create_directory(path); }, "it is not a regular file"},
        {[&] { std::ofstream(path) << "old"; }, ""},
        {[] {}, ""},
    };
    for (const auto& [put, outcome] : cases) {
        fs::remove_all(path);
        std::ofstream(temporary) << "new";
        put();
        EXPECT_EQ(AtomicFile::moveInto(temporary.string(), path.string()), outcome);
        EXPECT_EQ(std::pair(readFile(path) == "new", fs::exists(temporary)), std::pair(!*outcome, !!*outcome));
    }
}

TEST(FileWriter, ATaskThatThrowsIsToldOnceAndTheNextStillRuns)
{
    FileWriter writer;
    bool ran = false;
    testing::internal::CaptureStderr();
    writer.post("settings", [] { throw std::runtime_error("disk gone"); });
    writer.post("checkpoint", [] { throw 7; });
    writer.post("record", [&] { ran = true; });
    writer.finish();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "squibble-siege: writing settings failed (disk gone); the game plays on\n");
    EXPECT_TRUE(ran);
}

// A lost display ends the process: first every waiting write is done, spacing or not, but a stuck
// disk is not waited for past the deadline.
TEST(FileWriter, HurryingAllWritesWhatWaitsForItsSpacingWithinTheDeadline)
{
    FileWriter settings, checkpoint;
    std::vector<std::string> ran;
    std::promise<void> firstRan, stuckDisk;
    settings.post("settings", [&] { ran.push_back("settings 1"); firstRan.set_value(); }, std::chrono::hours(1));
    firstRan.get_future().wait();
    settings.post("settings", [&] { ran.push_back("settings 2"); }, std::chrono::hours(1));
    checkpoint.post("checkpoint", [disk = stuckDisk.get_future().share()] { disk.wait(); });
    const bool allDone = FileWriter::hurryAll(FileWriter::Clock::now() + std::chrono::milliseconds(300));
    EXPECT_EQ(std::tuple(allDone, ran, settings.waiting()),
              std::tuple(false, std::vector<std::string>{"settings 1", "settings 2"}, 0u));
    stuckDisk.set_value();
    EXPECT_TRUE(FileWriter::hurryAll(FileWriter::Clock::now() + std::chrono::seconds(30)));
}

TEST(FileLock, ATryNeverWaitsAndSaysTheLockIsBusy)
{
    TempFolder folder;
    const std::string path = (folder.path / "x.lock").string();
    auto first = std::make_unique<FileLock>(path, FileLock::Mode::Try);
    const FileLock second(path, FileLock::Mode::Try);
    EXPECT_EQ(std::tuple(first->held(), first->busy(), second.held(), second.busy()), std::tuple(true, false, false, true));
    first.reset();
    const FileLock third(path, FileLock::Mode::Try);
    const FileLock nowhere((folder.path / "none" / "x.lock").string(), FileLock::Mode::Try);
    EXPECT_EQ(std::tuple(third.held(), nowhere.held(), nowhere.busy()), std::tuple(true, false, false));
}

TEST(FileLock, ALockFileThatCannotBeWrittenStillLocksAndALinkIsNeverFollowed)
{
    TempFolder folder;
    const fs::path dir = folder.path / "dir.lock";
    fs::create_directory(dir);
    const fs::path fifo = folder.path / "fifo.lock";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {dir, fifo}) {
        const FileLock first(path.string(), FileLock::Mode::Try);
        const FileLock second(path.string(), FileLock::Mode::Try);
        EXPECT_EQ(std::tuple(first.held(), second.busy()), std::tuple(true, true)) << path << first.error();
    }
    const fs::path link = folder.path / "link.lock";
    fs::create_symlink(folder.path / "elsewhere", link);
    const FileLock dangling(link.string(), FileLock::Mode::Try);
    EXPECT_EQ(std::tuple(dangling.held(), dangling.busy(), dangling.error().empty()), std::tuple(false, false, false));
    EXPECT_FALSE(fs::exists(folder.path / "elsewhere"));
}
