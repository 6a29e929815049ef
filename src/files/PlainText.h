// The small pieces of reading the player's plain text files and options share: a value with the
// blanks around it taken off, a whole decimal number within its range, and a file's text made
// safe to echo.
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
    // The text fit for a line on a terminal: control bytes (and backslashes) written as \xNN.
    static std::string printable(const std::string& text);
};
