// One tracker module played by libxmp: checked and loaded from its bytes, started at one of its
// sections (the runs of positions that loop on themselves), rendered a block at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class MusicModule {
public:
    MusicModule();
    ~MusicModule();
    MusicModule(const MusicModule&) = delete;
    MusicModule& operator=(const MusicModule&) = delete;

    // A larger file is refused unread: the game's pieces are small.
    static constexpr std::size_t MaxFileBytes = 4u << 20;

    // Reads a module file through the bounded regular-files-only reader; false with `error` set.
    static bool read(const std::string& path, std::string& bytes, std::string& error);
    // Loads the bytes of a ProTracker (.mod) module of the shape ProTrackerCheck asks for,
    // replacing what was loaded; false with `error` saying why it was refused (then nothing is
    // loaded).
    bool load(const std::string& bytes, std::string& error);
    bool loaded() const { return isLoaded; }
    // How many sections the module holds (0 when nothing is loaded).
    int sections() const { return sectionCount; }

    // Plays the section (clamped to those there are) from its start at `rate` frames a second,
    // over and over when `loop`, else once. False when nothing is loaded or libxmp refuses.
    bool start(int section, int rate, bool loop);
    // Fills `frames` stereo frames; once a piece played once has ended, silence. False once
    // nothing more will sound (never started, or ended).
    bool render(std::int16_t* stereo, int frames);

private:
    void release();

    char* context; // libxmp's context handle
    bool isLoaded = false;
    bool playing = false;
    bool looping = false;
    int sectionCount = 0;
};
