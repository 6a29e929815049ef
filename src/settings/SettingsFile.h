// The settings file, "settings.txt" in the player's configuration folder: Key=Value lines read at
// start-up and rewritten whole, atomically, when a setting changes in the game. Lines it does not
// know (another version's keys, comments) are written back as they were.
#pragma once

#include "settings/Settings.h"

#include <string>
#include <vector>

class SettingsFile {
public:
    static constexpr const char* FileName = "settings.txt";

    // The file in folder; an empty folder means there is nowhere to keep settings.
    explicit SettingsFile(std::string folder);
    // The configuration folder of the player (from $XDG_CONFIG_HOME or $HOME).
    static std::string defaultFolder();

    // The stored settings: defaults where the file is missing, unreadable, or a value is bad or
    // out of range (one line on standard error for the file, naming the first fault). A file that
    // is there and cannot be read is never written afterwards.
    Settings load();
    // Writes the settings with the unknown lines of the last load, unless the last load could not
    // read the file. Never stops the game: the first failure is told on standard error, and later
    // ones quietly.
    void save(const Settings& settings);

    // The text's settings over the defaults; one line in problems per bad value or line of no '=',
    // and the lines of no known key in unknown.
    static Settings parse(const std::string& text, std::vector<std::string>& problems,
                          std::vector<std::string>& unknown);
    static std::string format(const Settings& settings, const std::vector<std::string>& unknown);

    const std::string& path() const { return file; }
    // Whether the last load found no file (or had no folder to look in): a first launch. Writing
    // the file later leaves it so until the next load.
    bool missing() const { return absent; }

private:
    void warnOnce(const std::string& message);

    std::string folder;
    std::string file;
    std::vector<std::string> unknownLines;
    bool warned = false;
    bool unreadable = false;
    bool absent = false;
};
