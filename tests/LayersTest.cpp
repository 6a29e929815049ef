// The parts added around the game take what they need as arguments: none of their files includes
// a header of the game's folder (the World's among them) or the Application's, or reaches the
// Application's singleton.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

// Folders whose files must stay clear of the World and the Application.
const char* const NarrowFolders[] = {"src/control",    "src/hud",   "src/stats",     "src/settings",
                                     "src/checkpoint", "src/files", "src/difficulty", "src/replay"};

} // namespace

TEST(Layers, AddedPartsReachNeitherTheWorldNorTheApplication)
{
    const std::regex reach(R"(#include\s*"(game/\w+\.h|app/Application\.h)\"|Application::instance\s*\()");
    int scanned = 0;
    for (const char* folder : NarrowFolders) {
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder << " (the tests run from the source tree)";
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream file(entry.path());
            std::stringstream text;
            text << file.rdbuf();
            const std::string source = text.str();
            for (auto match = std::sregex_iterator(source.begin(), source.end(), reach); match != std::sregex_iterator();
                 ++match)
                ADD_FAILURE() << entry.path().string() << ": " << match->str();
            ++scanned;
        }
    }
    EXPECT_GT(scanned, 20);
}
