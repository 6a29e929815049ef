// The settings in effect for this run and the ones kept for the next. Options on the command line
// change only the ones in effect; a change the player makes in the game changes both and is
// written on a thread of its own, at most once a second while a key repeats, and at the latest
// when the game ends. Without a file (tests, tools) nothing is written.
#pragma once

#include "files/FileWriter.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

#include <chrono>
#include <memory>

class PlayerSettings {
public:
    // Each setting the player may change in the game.
    enum class Entry { Scale, Fullscreen, Volume, Mute, MusicVolume, Difficulty, Mode };

    // The least time between two writes of the file.
    static constexpr std::chrono::seconds WriteSpacing{1};

    // Takes the file's stored settings as kept, and the run's (stored ones with the command
    // line over them) as in effect.
    void attach(std::unique_ptr<SettingsFile> file, const Settings& stored, const Settings& run);

    const Settings& inEffect() const { return current; }
    // Whether this launch found no settings file: the player's first, which shows its hints.
    bool firstLaunch() const { return file && file->missing(); }

    // The player changed one setting in the game: it takes effect, is kept and written.
    void set(Entry entry, int value);
    // The settings kept so far are written, so that the next launch is no longer a first one.
    void keep();
    // At exit: a write still waiting is done now, and the writing thread ends.
    void finishWriting() { writer.finish(); }

private:
    static void assign(Settings& settings, Entry entry, int value);

    std::unique_ptr<SettingsFile> file;
    Settings current;
    Settings kept;
    // Last, so that it ends (and writes what waits) before the file goes.
    FileWriter writer;
};
