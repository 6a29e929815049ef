#include "settings/PlayerSettings.h"

void PlayerSettings::attach(std::unique_ptr<SettingsFile> settingsFile, const Settings& storedSettings,
                            const Settings& run)
{
    writer.finish();
    file = std::move(settingsFile);
    kept = storedSettings;
    current = run;
}

void PlayerSettings::assign(Settings& settings, Entry entry, int value)
{
    switch (entry) {
    case Entry::Scale: settings.scale = value; break;
    case Entry::Fullscreen: settings.fullscreen = value != 0; break;
    case Entry::Volume: settings.volume = value; break;
    case Entry::Mute: settings.mute = value != 0; break;
    case Entry::MusicVolume: settings.musicVolume = value; break;
    case Entry::Difficulty: settings.difficulty = static_cast<Difficulty::Level>(value); break;
    case Entry::Mode: settings.mode = static_cast<GameMode>(value); break;
    }
}

void PlayerSettings::set(Entry entry, int value)
{
    assign(current, entry, value);
    assign(kept, entry, value);
    keep();
}

void PlayerSettings::keep()
{
    if (file)
        writer.post(file->path(), [target = file.get(), settings = kept] { target->save(settings); }, WriteSpacing);
}
