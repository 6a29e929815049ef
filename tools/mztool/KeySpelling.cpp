#include "mztool/KeySpelling.h"

#include "mztool/EditDistance.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace mztool {

namespace {

// Spelling edits (insertions, deletions, substitutions) within which a key is a near miss.
constexpr std::size_t NearMissEdits = 2;

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The runs of digits of a key, in order: "Tower3.Upgrade1.Level2.Icon" gives 3, 1, 2.
std::vector<std::string> numbersOf(const std::string& key)
{
    std::vector<std::string> numbers;
    std::string run;
    for (char c : key + ".") {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            run += c;
        } else if (!run.empty()) {
            numbers.push_back(run);
            run.clear();
        }
    }
    return numbers;
}

} // namespace

std::string KeySpelling::trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string KeySpelling::familyOf(const std::string& key)
{
    std::string family;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(key[i]))) {
            family += key[i];
        } else if (i == 0 || !std::isdigit(static_cast<unsigned char>(key[i - 1]))) {
            family += '#';
        }
    }
    return family;
}

bool KeySpelling::isNearMiss(const std::string& name, const std::string& known)
{
    if (numbersOf(name) != numbersOf(known))
        return false;
    return lowered(known) == lowered(trimmed(name)) || editDistance(familyOf(known), familyOf(name)) <= NearMissEdits;
}

} // namespace mztool
