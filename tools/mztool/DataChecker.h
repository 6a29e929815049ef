// Checks a data set the way the game loads it and reports every problem in one run: missing or
// unreadable files, sheets without the animations the game plays, incomplete or oversized fonts,
// missing or non-numeric configuration values, near-miss keys that silently define another key,
// shot periods that are not positive, and sound files that are broken or not in the game's format.
#pragma once

#include "mztool/CommandTable.h"

#include <iosfwd>
#include <set>
#include <string>
#include <vector>

class Config;

namespace mztool {

class DataChecker {
public:
    // dataDirectory is the folder holding strings.txt; configured paths ("data/...") are taken
    // relative to its parent, as the game takes them relative to its working directory.
    explicit DataChecker(const std::string& dataDirectory);

    // Runs every check; returns the problems found, one line each.
    std::vector<std::string> run();

private:
    enum class KeyKind { Text, Int, Double, File };
    struct KnownKey {
        std::string name;
        KeyKind kind;
    };

    std::vector<KnownKey> knownKeys(Config& config) const;
    void checkValues(Config& config, const std::vector<KnownKey>& keys);
    void checkNearMisses(const Config& config, const std::vector<KnownKey>& keys);
    void checkPeriods(Config& config);
    void checkImages();
    void checkSheets(Config& config);
    void checkFonts(Config& config);
    void checkSounds(Config& config);
    void checkSheet(const std::string& path, unsigned animationsNeeded, const std::string& what);
    void checkImageSize(const std::string& path, int minimumWidth, int minimumHeight);

    std::string inRoot(const std::string& path) const;
    void problem(const std::string& text) { problems.push_back(text); }

    std::string dataDirectory;
    std::string root;
    std::vector<std::string> problems;
};

// `mztool check DATA_DIR`: prints each problem; exit status 0 only when there is none.
int checkCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
