// The small pieces of reading the player's plain text files and options share: a value with the
// blanks around it taken off, and a whole decimal number within its range.
#pragma once

#include <optional>
#include <string>

class PlainText {
public:
    // The text without the spaces, tabs and line ends around it.
    static std::string trim(const std::string& text);
    // The whole decimal number the text is, when it lies within low..high; nothing for any other
    // text (empty, signs but '-', trailing characters, out of range).
    static std::optional<long long> wholeNumber(const std::string& text, long long low, long long high);
};
