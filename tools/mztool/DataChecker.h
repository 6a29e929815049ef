// Checks a data set the way the game loads it and reports every problem in one run: missing or
// unreadable files, sheets without the animations the game plays, incomplete or oversized fonts,
// kernings that break the game's texts, sound files that are broken or not in the game's format,
// music modules that are missing or refused, and everything KeyChecker finds in the configuration.
#pragma once

#include "mztool/CommandTable.h"
#include "mztool/KeyChecker.h"

#include <iosfwd>
#include <string>
#include <vector>

class BitmapFont;
class Config;

namespace mztool {

class DataChecker {
public:
    // dataDirectory is a folder named "data": every file is taken as the game takes it when it is
    // started in that folder's parent ("data/strings.txt", "data/bg.mz", the configured paths).
    explicit DataChecker(const std::string& dataDirectory);

    // Runs every check; returns the problems found, one line each.
    std::vector<std::string> run();
    // What the last run noted without failing (keys the game reads as 0 when they are missing).
    const std::vector<std::string>& notes() const { return findings.notes; }

private:
    void checkImages();
    void checkSheets(Config& config);
    void checkFonts(Config& config);
    void checkKerning(const std::string& key, const BitmapFont& font);
    void checkSounds(Config& config);
    void checkMusic(Config& config);
    void checkSheet(const std::string& gamePath, unsigned animationsNeeded, const std::string& what);
    void checkImageSize(const std::string& gamePath, int minimumWidth, int minimumHeight);

    // Where the game, started in the data folder's parent, finds a path such as "data/bg.mz".
    std::string asTheGameFinds(const std::string& gamePath) const;
    void problem(const std::string& text) { findings.problems.push_back(text); }

    std::string dataDirectory;
    std::string root;
    bool namedData = false;
    Findings findings;
};

// `mztool check PATH/data`: prints each problem and note; exit status 0 only when there is no problem.
int checkCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

} // namespace mztool
