#include "settings/PlayerSettings.h"

void PlayerSettings::attach(std::unique_ptr<SettingsFile> settingsFile, const Settings& storedSettings,
                            const Settings& run)
{
    writer.finish();
    file = std::move(settingsFile);
    kept = storedSettings;
    current = run;
}

void PlayerSettings::assign(Settings& settings, Field field, int value)
{
    switch (field) {
    case Field::Scale: settings.scale = value; break;
    case Field::Fullscreen: settings.fullscreen = value != 0; break;
    case Field::Volume: settings.volume = value; break;
    case Field::Mute: settings.mute = value != 0; break;
    case Field::MusicVolume: settings.musicVolume = value; break;
    case Field::Difficulty: settings.difficulty = static_cast<Difficulty::Level>(value); break;
    case Field::Mode: settings.mode = static_cast<GameMode>(value); break;
    }
}

void PlayerSettings::set(Field field, int value)
{
    assign(current, field, value);
    assign(kept, field, value);
    keep();
}

void PlayerSettings::keep()
{
    if (file)
        writer.post(file->path(), [target = file.get(), settings = kept] { target->save(settings); }, WriteSpacing);
}
