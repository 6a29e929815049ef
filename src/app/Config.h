// The configuration table: every tuning number, name and file name of the game, read from a
// key=value text file once at start-up and looked up (and converted) each time it is used.
#pragma once

#include <cstddef>
#include <map>
#include <string>

class Config {
public:
    // The game's configuration file, relative to the game folder.
    static constexpr const char* GamePath = "data/strings.txt";

    // A configuration file is text a person edits; anything longer is not one.
    static constexpr std::size_t MaxFileBytes = 4u << 20;

    // Reads the file line by line; returns false when it is missing, is not a regular file or is
    // longer than MaxFileBytes.
    bool load(const std::string& path);
    // Reads the same format from text already in memory (tools and tests use it).
    void loadFromText(const std::string& text);

    // A missing key is added with an empty value and reads as "" (or 0 for numbers).
    const std::string& get(const std::string& key);
    int getInt(const std::string& key);
    double getDouble(const std::string& key);

    // The key a printf pattern such as "Tower%d.Upgrade%d.Levels" names with these numbers.
    static std::string keyOf(const char* pattern, int a, int b = 0, int c = 0);
    // Lookups with such a pattern.
    const std::string& getf(const char* pattern, int a, int b = 0, int c = 0);
    int getIntf(const char* pattern, int a, int b = 0, int c = 0);
    double getDoublef(const char* pattern, int a, int b = 0, int c = 0);

    bool contains(const std::string& key) const;
    void clear() { table.clear(); }
    void set(const std::string& key, const std::string& value);
    const std::map<std::string, std::string>& entries() const { return table; }

private:
    void parseLine(const std::string& line);

    std::map<std::string, std::string> table;
};
