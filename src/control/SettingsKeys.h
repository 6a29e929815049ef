// What the settings keys do: sound off and on, the effects' and the music's volume in tenths and
// full screen, each taking effect at once and kept through the player's settings; and the first
// launch's settings written once the player has opened the controls. Also keeps the short notice
// such a key shows (a volume, a screen that could not be switched), and how long the pause's hint
// stays lit.
#pragma once

#include <functional>
#include <string>

class MusicPlayer;
class PlayerSettings;
class SoundBoard;

class SettingsKeys {
public:
    // How long a notice stays, in seconds of real time.
    static constexpr double NoticeSeconds = 1.5;

    // Reopens the screen full (true) or as a window; returns why it could not, or the empty text.
    using ScreenSwitch = std::function<std::string(bool fullscreen)>;
    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;

    SettingsKeys(SoundBoard& sound, MusicPlayer& music, PlayerSettings& settings, ScreenSwitch switchScreen,
                 Clock now);

    void toggleMute();
    // Up or down to the next whole tenth, within 0 and 100.
    void stepVolume(bool up);
    // The music's volume, the same way.
    void stepMusicVolume(bool up);
    void toggleFullScreen();
    // The player opened the controls: on a first launch the settings are written now, so that its
    // hints do not come back at the next.
    void controlsSeen();

    // The notice to show now; empty when there is none or its time is over.
    std::string notice() const;
    // Shows the text as the notice for NoticeSeconds.
    void showNotice(std::string text);
    // Lights the pause's own hint for NoticeSeconds, where a click in the pause would otherwise
    // bring a second notice of the same words.
    void lightPauseHint() { pauseHintUntil = now() + NoticeSeconds; }
    bool pauseHintLit() const { return now() < pauseHintUntil; }

private:

    SoundBoard& sound;
    MusicPlayer& music;
    PlayerSettings& settings;
    ScreenSwitch switchScreen;
    Clock now;
    std::string noticeText;
    double noticeUntil = 0.0;
    double pauseHintUntil = 0.0;
};
