#include "app/DataFolder.h"

#include "app/Config.h"
#include "files/PlainText.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Where the data sits relative to the program in an installed tree (prefix/games/squibble-siege).
constexpr const char* BesideProgram = "../share/games/squibble-siege";

} // namespace

DataFolder::DataFolder(const std::string& named, const char* environment, const fs::path& workingDirectory,
                       const fs::path& executable, const std::string& installed)
{
    if (!named.empty()) {
        tried.push_back({"--data", workingDirectory / named});
        return;
    }
    if (environment && *environment) {
        tried.push_back({"SQUIBBLE_SIEGE_DATA", workingDirectory / environment});
        return;
    }
    if (!workingDirectory.empty())
        tried.push_back({"working directory", workingDirectory});
    if (!executable.empty())
        tried.push_back({"beside the program", (executable.parent_path() / BesideProgram).lexically_normal()});
    if (!installed.empty())
        tried.push_back({"installed", installed});
}

DataFolder DataFolder::forThisProcess(const std::string& named, const std::string& installed)
{
    std::error_code ignored;
    const fs::path workingDirectory = fs::current_path(ignored);
    const fs::path executable = fs::read_symlink("/proc/self/exe", ignored);
    return DataFolder(named, std::getenv("SQUIBBLE_SIEGE_DATA"), workingDirectory, executable, installed);
}

std::vector<std::string> DataFolder::describePlaces() const
{
    std::vector<std::string> lines;
    for (const Place& place : tried)
        lines.push_back(place.why + ": " + PlainText::printable(place.folder.string()));
    return lines;
}

std::optional<fs::path> DataFolder::find() const
{
    for (const Place& place : tried) {
        std::error_code ignored;
        // The folder as the kernel resolves it, links and ".." alike, is the one checked and entered.
        const fs::path folder = fs::canonical(place.folder, ignored);
        if (!ignored && fs::is_regular_file(folder / Config::GamePath, ignored))
            return folder;
    }
    return std::nullopt;
}

std::string DataFolder::resolve(const std::string& gameFolder, const std::string& path)
{
    return gameFolder.empty() ? path : (fs::path(gameFolder) / path).string();
}

std::string DataFolder::notFoundMessage() const
{
    std::string message = std::string("no ") + Config::GamePath + " in";
    const char* separator = " ";
    for (const Place& place : tried) {
        message += separator + PlainText::printable(place.folder.string()) + " (" + place.why + ")";
        separator = ", ";
    }
    if (tried.empty())
        message += " any folder (no working directory and no program path)";
    return message;
}
