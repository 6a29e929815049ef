// The settings in effect for this run and the ones kept for the next. Options on the command line
// change only the ones in effect; a change the player makes in the game changes both and is
// written at once. Without a file (tests, tools) nothing is written.
#pragma once

#include "settings/Settings.h"
#include "settings/SettingsFile.h"

#include <memory>

class PlayerSettings {
public:
    enum class Field { Scale, Fullscreen, Volume, Mute, Speed, MusicVolume };

    // Takes the file's stored settings as kept, and the run's (stored ones with the command
    // line over them) as in effect.
    void attach(std::unique_ptr<SettingsFile> file, const Settings& stored, const Settings& run);

    const Settings& inEffect() const { return current; }
    const Settings& stored() const { return kept; }

    // The player changed one setting in the game: it takes effect, is kept and written.
    void set(Field field, int value);

private:
    static void assign(Settings& settings, Field field, int value);

    std::unique_ptr<SettingsFile> file;
    Settings current;
    Settings kept;
};
