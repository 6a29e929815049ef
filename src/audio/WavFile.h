// Reads the header of a WAV file without trusting it, so that a broken or hostile file is turned
// away before Allegro allocates whatever size the file claims for its samples.
#pragma once

#include <cstdint>
#include <string>

class WavFile {
public:
    // Whether the file at `path` is a plain PCM WAV file whose sample data lies inside the file;
    // on success the format fields are set, otherwise `error` says what is wrong.
    bool inspect(const std::string& path, std::string& error);

    // Seconds of sound the data chunk holds.
    double seconds() const;

    int channels = 0;
    int bitsPerSample = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t dataBytes = 0;

    // Larger files are refused: the game's sounds are short.
    static constexpr std::uint32_t MaxFileBytes = 16u << 20;
};
