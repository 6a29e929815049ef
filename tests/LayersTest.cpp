// The parts added around the game take what they need as arguments: none of their files reaches a
// header of the game's folder (the World's among them) or the Application's, by any spelling or
// through any other header, nor calls the Application's singleton. The tools reach the game only
// through their door (tests/support/ToolsDoor.cpp). What a file reaches is read from the
// compiler's own dependency files, which the build writes beside each object.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Folders whose files must stay clear of the World and the Application.
const char* const NarrowFolders[] = {"src/control",    "src/hud",   "src/stats",      "src/settings", "src/checkpoint",
                                     "src/files",      "src/difficulty", "src/audio", "src/records",  "src/replay"};

struct Dependencies {
    fs::path depfile;
    std::set<std::string> headers; // relative to the source tree where they are in it
};

std::string readAll(const fs::path& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A path as the source tree names it ("src/game/World.h"), however the compiler spelled it. A
// relative spelling (ccache writes them) is from where the compiler ran: above the CMakeFiles folder.
std::string relativeToTree(const fs::path& root, const fs::path& compiledIn, const std::string& spelled)
{
    const fs::path canonical = fs::weakly_canonical(compiledIn / spelled);
    const fs::path relative = canonical.lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..")
        return canonical.string();
    return relative.generic_string();
}

// The build's dependency files, by the source file each describes. A nested build tree (one with
// its own cache, such as the packaging test's) is left out: it may lag behind.
std::map<std::string, Dependencies> readDepfiles(const fs::path& root, const fs::path& buildDir)
{
    std::map<std::string, Dependencies> bySource;
    for (auto it = fs::recursive_directory_iterator(buildDir); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_directory() && fs::exists(it->path() / "CMakeCache.txt")) {
            it.disable_recursion_pending();
            continue;
        }
        const std::string name = it->path().filename().string();
        if (!it->is_regular_file() || name.size() < 4 || name.compare(name.size() - 4, 4, ".o.d") != 0)
            continue;
        std::string text = readAll(it->path());
        for (std::size_t at = text.find("\\\n"); at != std::string::npos; at = text.find("\\\n", at))
            text.replace(at, 2, " ");
        std::istringstream words(text);
        std::string word;
        std::string source;
        Dependencies deps{it->path(), {}};
        fs::path compiledIn = it->path().parent_path();
        while (compiledIn.has_relative_path() && compiledIn.filename() != "CMakeFiles")
            compiledIn = compiledIn.parent_path();
        compiledIn = compiledIn.parent_path();
        while (words >> word) {
            if (word.back() == ':')
                continue; // a rule's target
            const std::string path = relativeToTree(root, compiledIn, word);
            if (source.empty())
                source = path;
            deps.headers.insert(path);
        }
        if (!source.empty())
            bySource[source] = deps;
    }
    return bySource;
}

bool forbidden(const std::string& path)
{
    return path.rfind("src/game/", 0) == 0 || path == "src/app/Application.h";
}

bool hasExtension(const fs::path& path, const char* extension)
{
    return path.extension() == extension;
}

class Layers : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::weakly_canonical(fs::current_path());
        ASSERT_TRUE(fs::is_directory(root / "src/game")) << "the tests run from the source tree";
        const char* buildDir = std::getenv("SQUIBBLE_BUILD_DIR");
        ASSERT_TRUE(buildDir != nullptr && *buildDir != '\0') << "SQUIBBLE_BUILD_DIR names the build tree";
        ASSERT_TRUE(fs::is_directory(buildDir)) << buildDir;
        depfiles = readDepfiles(root, fs::weakly_canonical(buildDir));
        ASSERT_FALSE(depfiles.empty()) << "no dependency files (*.o.d) under " << buildDir
                                       << ": build with a generator that keeps them (Unix Makefiles)";
    }

    // What the compiler saw the source reach; a failure when it was not built or has changed since.
    const std::set<std::string>* reached(const std::string& source)
    {
        const auto found = depfiles.find(source);
        if (found == depfiles.end()) {
            ADD_FAILURE() << source << ": no dependency file in the build tree; build before testing";
            return nullptr;
        }
        const auto written = fs::last_write_time(found->second.depfile);
        for (const std::string& header : found->second.headers) {
            const fs::path inTree = root / header;
            if (fs::path(header).is_relative() && fs::exists(inTree) && fs::last_write_time(inTree) > written) {
                ADD_FAILURE() << source << ": " << header << " changed after the last build; build before testing";
                break;
            }
        }
        return &found->second.headers;
    }

    // Each source under the folder checked against the rule; the headers it reached are noted.
    template <typename Refused>
    int checkFolder(const char* folder, Refused refused, std::set<std::string>& seen)
    {
        int sources = 0;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            if (!entry.is_regular_file() || !hasExtension(entry.path(), ".cpp"))
                continue;
            const std::string source = entry.path().lexically_relative(root).generic_string();
            ++sources;
            if (const auto* headers = reached(source))
                for (const std::string& header : *headers) {
                    seen.insert(header);
                    if (refused(header))
                        ADD_FAILURE() << source << " reaches " << header;
                }
        }
        return sources;
    }

    // A header no checked source reaches would go unchecked: refuse it.
    void everyHeaderChecked(const char* folder, const std::set<std::string>& seen)
    {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string header = entry.path().lexically_relative(root).generic_string();
            if (entry.is_regular_file() && hasExtension(entry.path(), ".h") && seen.count(header) == 0)
                ADD_FAILURE() << header << " is included by no source of its part, so what it reaches goes unchecked";
        }
    }

    fs::path root;
    std::map<std::string, Dependencies> depfiles;
};

} // namespace

TEST_F(Layers, AddedPartsReachNeitherTheWorldNorTheApplication)
{
    const std::vector<const char*> folders(std::begin(NarrowFolders), std::end(NarrowFolders));
    const std::regex singleton(R"(Application\s*::\s*instance\s*\()");
    std::set<std::string> seen;
    int sources = 0;
    for (const char* folder : folders) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        sources += checkFolder(folder, forbidden, seen);
        for (const auto& entry : fs::recursive_directory_iterator(root / folder))
            if (entry.is_regular_file() && std::regex_search(readAll(entry.path()), singleton))
                ADD_FAILURE() << entry.path().string() << " calls the Application's singleton";
    }
    for (const char* folder : folders)
        everyHeaderChecked(folder, seen);
    EXPECT_GT(sources, 40);
}

TEST_F(Layers, ToolsReachTheGameOnlyThroughTheirDoor)
{
    const std::set<std::string>* doorReach = reached("tests/support/ToolsDoor.cpp");
    ASSERT_NE(doorReach, nullptr);
    std::set<std::string> door;
    for (const std::string& header : *doorReach)
        if (forbidden(header))
            door.insert(header);
    ASSERT_EQ(door.count("src/game/World.h"), 1u);
    ASSERT_EQ(door.count("src/app/Application.h"), 1u);

    std::set<std::string> seen;
    const int sources = checkFolder(
        "tools", [&](const std::string& header) { return forbidden(header) && door.count(header) == 0; }, seen);
    everyHeaderChecked("tools", seen);
    EXPECT_GT(sources, 15);
}
