#include "app/DataFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

// A scratch tree: a working directory, an installed prefix with the game beside its data, and
// a compiled-in folder; gameFolder() puts data/strings.txt into any of them.
class DataFolderTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("squibble-data-" + std::to_string(std::random_device{}()));
        fs::create_directories(root / "work");
        fs::create_directories(root / "prefix/games");
    }
    void TearDown() override { fs::remove_all(root); }

    void gameFolder(const fs::path& folder)
    {
        fs::create_directories(folder / "data");
        std::ofstream(folder / "data/strings.txt") << "WindowTitle=Squibble Siege\n";
    }
    DataFolder search(const std::string& named = "", const char* environment = nullptr)
    {
        return DataFolder(named, environment, root / "work", root / "prefix/games/squibble-siege",
                          (root / "compiled").string());
    }

    fs::path root;
};

} // namespace

TEST_F(DataFolderTree, TriesTheWorkingDirectoryThenBesideTheProgramThenTheCompiledFolder)
{
    const fs::path beside = root / "prefix/share/games/squibble-siege";
    EXPECT_FALSE(search().find());
    gameFolder(root / "compiled");
    EXPECT_EQ(search().find(), root / "compiled");
    gameFolder(beside);
    EXPECT_EQ(search().find(), beside);
    gameFolder(root / "work");
    EXPECT_EQ(search().find(), root / "work");
    const auto places = search().places();
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[1].folder, beside);
}

TEST_F(DataFolderTree, ANamedFolderIsTheOnlyOneTried)
{
    gameFolder(root / "work");
    gameFolder(root / "mine");
    EXPECT_EQ(search("../mine").find(), root / "mine");
    EXPECT_EQ(search((root / "mine").string()).find(), root / "mine");
    EXPECT_FALSE(search("../missing").find());
    EXPECT_EQ(search("", (root / "mine").c_str()).find(), root / "mine");
    EXPECT_FALSE(search("", "nowhere").find());
    // The command line wins over the environment; an empty variable counts as unset.
    EXPECT_EQ(search("../mine", "nowhere").find(), root / "mine");
    EXPECT_EQ(search("", "").find(), root / "work");
    // Through a link and "..": the folder the kernel finds, not the one the words suggest (work/).
    fs::create_directories(root / "mine/inner");
    fs::create_symlink(root / "mine/inner", root / "work/link");
    EXPECT_EQ(search("link/..").find(), root / "mine");
}

TEST_F(DataFolderTree, AFolderWithoutTheConfigurationFileDoesNotCount)
{
    fs::create_directories(root / "work/data/strings.txt"); // a directory, not the file
    fs::create_directories(root / "compiled/data");
    EXPECT_FALSE(search().find());
}

TEST_F(DataFolderTree, NotFoundNamesEveryPlaceTriedOnOneLine)
{
    const std::string message = search().notFoundMessage();
    EXPECT_NE(message.find("data/strings.txt"), std::string::npos);
    EXPECT_NE(message.find((root / "work").string()), std::string::npos);
    EXPECT_NE(message.find((root / "prefix/share/games/squibble-siege").string()), std::string::npos);
    EXPECT_NE(message.find((root / "compiled").string()), std::string::npos);
    EXPECT_EQ(message.find('\n'), std::string::npos);
    const std::string named = search("../missing").notFoundMessage();
    EXPECT_NE(named.find("--data"), std::string::npos);
    EXPECT_EQ(named.find("compiled"), std::string::npos);
    EXPECT_EQ(search().describePlaces().size(), 3u);
}
