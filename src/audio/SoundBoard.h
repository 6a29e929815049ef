// The game's one way to make a sound. It holds each event's clip, the master volume and the mute
// switch, pans a sound by where on the field it happened and keeps bursts in check with a voice
// cap. Where the sound then goes is a SoundOutput: the sound device, nowhere, or a test's recorder.
#pragma once

#include "audio/SoundClip.h"
#include "audio/SoundEvent.h"
#include "audio/SoundOutput.h"
#include "audio/VoiceLimiter.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Config;

class SoundBoard {
public:
    SoundBoard();
    ~SoundBoard();
    SoundBoard(const SoundBoard&) = delete;
    SoundBoard& operator=(const SoundBoard&) = delete;

    // Reads "SoundVolume" and loads the file named by every event's key, found as the game started
    // in gameFolder finds it; an absent or empty key leaves that event silent. Returns one line
    // for each file that did not load.
    std::vector<std::string> load(Config& config, const std::string& gameFolder = "");
    // Gives an event its clip (null: the event is silent).
    void setClip(SoundEvent event, std::unique_ptr<SoundClip> clip);
    const SoundClip* clip(SoundEvent event) const;

    // Plays the event's sound panned to where it happened: x in back-buffer pixels, 0 left, 320 right.
    void play(SoundEvent event, double x);
    // Plays the event's sound in the middle.
    void play(SoundEvent event);

    // Muting stops what is playing; nothing starts until sound is turned back on.
    void setMuted(bool muted);
    void toggleMute() { setMuted(!isMuted); }
    bool muted() const { return isMuted; }
    // The loudest master volume.
    static constexpr int MaxVolume = 255;
    // Master volume 0..MaxVolume, applied to every sound; values outside are clamped.
    int volume() const { return masterVolume; }
    void setVolume(int volume);
    // The player's share of that volume in percent (0..100, clamped); 100 plays it whole.
    int level() const { return playerLevel; }
    void setLevel(int percent);

    void setOutput(std::unique_ptr<SoundOutput> output);
    // Whether the sounds go to a device at all.
    bool heard() const { return out->heard(); }
    // Stops every sound that is playing (a new game starts in silence).
    void stopAll();

    // Pan 0..255 for an event at field x: the field's edges lean well to a side without leaving
    // the other ear silent.
    static int panFor(double x);

    // Seconds of real time, for the voice cap; tests replace it with a clock of their own.
    std::function<double()> clock;

private:
    std::array<std::unique_ptr<SoundClip>, SoundEventCount> clips;
    std::unique_ptr<SoundOutput> out;
    VoiceLimiter limiter;
    int masterVolume = 0;
    int playerLevel = 100;
    bool isMuted = false;
};
