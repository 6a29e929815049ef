// How the data checker reads the spelling of a configuration key: its family (the key with every
// run of digits as "#") and whether it is a near miss of a key the game reads.
#pragma once

#include <string>

namespace mztool {

class KeySpelling {
public:
    // The key without the spaces and tabs around it.
    static std::string trimmed(const std::string& text);
    // The key with every run of digits replaced by "#": "Tower#.Upgrade#.Level#.Icon".
    static std::string familyOf(const std::string& key);
    // A misspelling of known: the same numbers in the same order, and the words within a couple of
    // edits of each other or equal but for case.
    static bool isNearMiss(const std::string& name, const std::string& known);
};

} // namespace mztool
