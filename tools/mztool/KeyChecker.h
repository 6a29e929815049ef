// Checks the configuration text of a data set on its own: which keys the game reads with these
// counts of paths and levels, values that are missing or not numbers, near-miss keys, shot periods
// that are not positive, a frame time outside 0 to 1 second, counts the game cuts down, and the
// difficulties' keys (listed with the numbers each difficulty plays by).
#pragma once

#include "app/ConfigKeys.h"

#include <string>
#include <vector>

class Config;

namespace mztool {

// What a check found: problems fail it, notes only inform.
struct Findings {
    std::vector<std::string> problems;
    std::vector<std::string> notes;
};

class KeyChecker {
public:
    explicit KeyChecker(Findings& findings);

    // Runs every configuration check on the table as read from strings.txt.
    void run(const Config& asWritten);

    using KeyKind = ConfigKeys::Kind;
    struct KnownKey {
        std::string name;
        KeyKind kind;
        // The game reads a missing value as 0 and means it (a kerning, no upgrade paths).
        bool zeroWhenMissing = false;
        // What the game does without the key, for a key it does not need; empty for the others.
        std::string whenMissing = {};
    };

private:
    std::vector<KnownKey> knownKeys(Config& config) const;
    void checkValues(Config& config, const std::vector<KnownKey>& keys);
    void checkNearMisses(const Config& config, const std::vector<KnownKey>& keys);
    void checkPeriods(Config& config);
    void checkFrameTime(Config& config);
    void checkCounts(Config& config);

    void problem(const std::string& text) { findings.problems.push_back("strings.txt: " + text); }
    void note(const std::string& text) { findings.notes.push_back("strings.txt: " + text); }

    Findings& findings;
};

} // namespace mztool
