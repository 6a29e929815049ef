// The game's music: a piece for each moment of the game (the pause before a wave, a wave, game
// over), cross-faded over about a second when the moment changes and quieter while the game waits
// in the pause or a dialog, at the data set's volume times the player's share, off when muted.
// Its clock is the output's: it moves on by the frames the output takes, so a faster game does not
// play it faster and a stalled one does not make it rush to catch up.
#pragma once

#include "audio/MusicCue.h"
#include "audio/MusicModule.h"
#include "audio/MusicOutput.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Config;

class MusicPlayer {
public:
    static constexpr int MaxVolume = 255;
    static constexpr double FadeSeconds = 1.0;
    // How long the level takes to follow a change of volume, pause or mute from full to nothing.
    static constexpr double LevelSeconds = 0.2;
    // The share of the level the music keeps while the game waits.
    static constexpr double QuietShare = 0.35;
    // The wave piece moves on to its next section after this many waves.
    static constexpr int WavesPerSection = 10;

    MusicPlayer();
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Reads "MusicVolume" and the module named by each piece's key, found as the game started in
    // gameFolder finds it; an absent or empty key leaves that piece silent. Returns one line for
    // each module that did not load (that piece is then silent).
    std::vector<std::string> load(Config& config, const std::string& gameFolder = "");
    // Gives a piece its module's bytes (empty: the piece is silent). Returns why the module was
    // refused, or an empty string.
    std::string setModule(MusicPiece piece, std::string bytes);

    // The output to feed; null plays nothing (no sound device, or no music wanted).
    void setOutput(std::unique_ptr<MusicOutput> output);
    // Whether the music goes to an output at all.
    bool heard() const { return out != nullptr; }
    // Tells the player what the game is doing now; a new piece (or wave section) fades in.
    void follow(const MusicCue& cue);
    // Gives the output every frame it wants, at most a few blocks a call.
    void update();

    void setMuted(bool muted) { isMuted = muted; }
    bool muted() const { return isMuted; }
    // The data set's music volume 0..MaxVolume, clamped.
    void setVolume(int volume);
    int volume() const { return dataVolume; }
    // The player's share of it in percent, 0..100, clamped.
    void setLevel(int percent);
    int level() const { return percent; }

    // The piece fading in or playing, and the level the mix is heading for (0..1).
    MusicPiece piece() const { return voices[front].piece; }
    double targetLevel() const;

private:
    struct Voice {
        MusicModule module;
        MusicPiece piece = MusicPiece::None;
        int section = 0;
        double gain = 0.0;
        int direction = 0; // fading in (1) or out (-1)
        bool sounding = false;
    };

    int sectionFor(const MusicCue& cue) const;
    void mix(int frames);
    void addVoice(Voice& voice, int frames);

    std::array<std::string, MusicPieceCount> modules;
    std::array<int, MusicPieceCount> sections{};
    // The voice a change to piece takes.
    int incomingVoice(MusicPiece piece, int section) const;

    // Three, so that a third change within a fade finds a silent voice.
    std::array<Voice, 3> voices;
    int front = 0; // the voice fading in or playing; the others fade out
    std::unique_ptr<MusicOutput> out;
    std::vector<float> sum;
    std::vector<std::int16_t> block;
    double mixLevel = 0.0; // the level the last frame was played at
    int dataVolume = 0;
    int percent = 100;
    bool isMuted = false;
    bool isQuiet = false;
};
