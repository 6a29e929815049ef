// One loaded sound: Allegro's sample, the file it came from and how long it plays. Owns the
// sample and frees it with the clip.
#pragma once

#include <memory>
#include <string>

struct SAMPLE;

class SoundClip {
public:
    // Takes ownership of a sample (tests make them in memory); `name` says where it came from.
    SoundClip(std::string name, SAMPLE* sample);
    ~SoundClip();
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;

    // Reads and checks the WAV file and builds the sample from the checked bytes. Null, with
    // `error` set, when the file is missing, broken or not a WAV file the game can play.
    static std::unique_ptr<SoundClip> load(const std::string& path, std::string& error);

    const std::string& name() const { return source; }
    SAMPLE* sample() const { return data; }
    // Playing time at the sample's own rate.
    double seconds() const;

private:
    std::string source;
    SAMPLE* data;
};
