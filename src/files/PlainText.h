// The small pieces of reading the player's plain text files and options share: a value with the
// blanks around it taken off, a whole or real number within its range, and a file's text made
// safe to echo. Numbers are read and written with a point in every locale.
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
    // The real number the whole text is (a point before the fraction, whatever the locale), when it
    // is finite; nothing for any other text.
    static std::optional<double> realNumber(const std::string& text);
    // The real number the text begins with, read as the configuration has always read numbers
    // (blanks before it and anything after it passed over, 0 when there is none or it is
    // beyond a double), with a point
    // in every locale.
    static double leadingReal(const std::string& text);
    // The value with a point, in the fewest digits that read back as the very same double.
    static std::string real(double value);
    // The text fit for a line on a terminal: control bytes (and backslashes) written as \xNN.
    static std::string printable(const std::string& text);
    // A whole message made safe to print: control bytes written as \xNN, backslashes left as they
    // are, so that the parts already made printable read the same.
    static std::string safeLine(const std::string& text);
};
