// The settings keys' effects on the sound, the screen and the kept settings.
#include "control/SettingsKeys.h"

#include "audio/MusicPlayer.h"
#include "audio/SoundBoard.h"
#include "settings/PlayerSettings.h"
#include "files/PlainText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int VolumeStep = 10;
constexpr int FullVolume = 100;
// What the sound keys say where nothing can be heard, instead of a volume that nothing plays.
constexpr const char* NoDevice = "No sound device";

// A tenth up or down; steps land on whole tenths, whatever a hand-edited file held.
int stepped(int current, bool up)
{
    const int next = up ? (current / VolumeStep + 1) * VolumeStep : ((current + VolumeStep - 1) / VolumeStep - 1) * VolumeStep;
    return std::clamp(next, 0, FullVolume);
}

} // namespace

SettingsKeys::SettingsKeys(SoundBoard& sound, MusicPlayer& music, PlayerSettings& settings, ScreenSwitch switchScreen,
                           Clock now)
    : sound(sound)
    , music(music)
    , settings(settings)
    , switchScreen(std::move(switchScreen))
    , now(std::move(now))
{
}

void SettingsKeys::controlsSeen()
{
    if (settings.firstLaunch())
        settings.keep();
}

void SettingsKeys::toggleMute()
{
    sound.toggleMute();
    music.setMuted(sound.muted());
    settings.set(PlayerSettings::Field::Mute, sound.muted());
    if (!sound.heard())
        showNotice(NoDevice);
}

void SettingsKeys::stepVolume(bool up)
{
    const int level = stepped(settings.inEffect().volume, up);
    sound.setLevel(level);
    settings.set(PlayerSettings::Field::Volume, level);
    showNotice(sound.heard() ? "Volume " + std::to_string(level) + "%" : NoDevice);
}

void SettingsKeys::stepMusicVolume(bool up)
{
    const int level = stepped(settings.inEffect().musicVolume, up);
    music.setLevel(level);
    settings.set(PlayerSettings::Field::MusicVolume, level);
    if (!sound.heard())
        showNotice(NoDevice);
    else
        showNotice(music.heard() ? "Music " + std::to_string(level) + "%" : "No music");
}

void SettingsKeys::toggleFullScreen()
{
    const bool fullscreen = !settings.inEffect().fullscreen;
    const std::string failure = switchScreen(fullscreen);
    if (!failure.empty()) {
        std::fprintf(stderr, "squibble-siege: %s\n", PlainText::safeLine(failure).c_str());
        showNotice(fullscreen ? "No full screen" : "No window");
        return;
    }
    settings.set(PlayerSettings::Field::Fullscreen, fullscreen);
}

void SettingsKeys::showNotice(std::string text)
{
    noticeText = std::move(text);
    noticeUntil = now() + NoticeSeconds;
}

std::string SettingsKeys::notice() const
{
    return now() < noticeUntil ? noticeText : std::string();
}
