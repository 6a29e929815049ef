// Plays the music through an Allegro audio stream on the sound device Allegro already opened.
#pragma once

#include "audio/MusicOutput.h"

#include <memory>

struct AUDIOSTREAM;

class AllegroMusicOutput : public MusicOutput {
public:
    // Each of the stream's two buffers holds this long, so a frame of the game as long as a
    // quarter of a second still finds the other buffer playing.
    static constexpr double BufferSeconds = 0.3;

    // A stream at the mixer's rate; null when Allegro's sound is not installed or has no voice left.
    static std::unique_ptr<AllegroMusicOutput> open();
    AllegroMusicOutput(AUDIOSTREAM* stream, int rate, int frames);
    ~AllegroMusicOutput() override;
    AllegroMusicOutput(const AllegroMusicOutput&) = delete;
    AllegroMusicOutput& operator=(const AllegroMusicOutput&) = delete;

    int rate() const override { return frequency; }
    int wanted() override;
    void write(const std::int16_t* stereo, int frames) override;

private:
    AUDIOSTREAM* stream;
    void* pending = nullptr; // the buffer the stream handed out to fill, if any
    int frequency;
    int bufferFrames;
};
