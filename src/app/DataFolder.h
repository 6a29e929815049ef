// Finds the game folder, the one holding data/strings.txt: a folder the player named, else the
// working directory, the folder installed beside the program, or the one compiled in.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class DataFolder {
public:
    struct Place {
        std::string why; // "--data", "SQUIBBLE_SIEGE_DATA", "working directory", ...
        std::filesystem::path folder;
    };

    // named: the --data folder (empty when not given); environment: SQUIBBLE_SIEGE_DATA (null
    // when unset); executable: the program's own path; installed: the folder compiled in.
    // A folder the player named, on the command line or in the environment, is the only place
    // tried: a mistyped name must not quietly start another copy of the game.
    DataFolder(const std::string& named, const char* environment, const std::filesystem::path& workingDirectory,
               const std::filesystem::path& executable, const std::string& installed);
    // The same, reading the environment, working directory and executable of this process.
    static DataFolder forThisProcess(const std::string& named, const std::string& installed);

    // Every place in the order tried.
    const std::vector<Place>& places() const { return tried; }
    // The places as lines for the help: "working directory: /home/me".
    std::vector<std::string> describePlaces() const;
    // The first place holding data/strings.txt, as an absolute path.
    std::optional<std::filesystem::path> find() const;
    // Where the game, started in gameFolder ("" for the working directory), finds a path named
    // in its data: an absolute path as written, a relative one under the game folder. The game
    // and the data checker both find every file through this.
    static std::string resolve(const std::string& gameFolder, const std::string& path);

    // One line naming every place tried.
    std::string notFoundMessage() const;

private:
    std::vector<Place> tried;
};
