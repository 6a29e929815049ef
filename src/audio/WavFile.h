// Reads a WAV file without trusting it: its format and the bytes of its first data chunk, checked
// against the file's own size. The game's samples are built from these checked bytes, never by
// handing the file to a loader that would read it again and believe what it claims.
#pragma once

#include <cstdint>
#include <string>

class WavFile {
public:
    // Whether the file at `path` is a regular file holding plain PCM WAV sound whose sample data
    // lies inside the file; on success the format fields and samples are set, otherwise `error`
    // says what is wrong. A pipe or folder at the path is refused without blocking.
    bool inspect(const std::string& path, std::string& error);
    // The same for the file's bytes already in memory.
    bool parse(const std::string& bytes, std::string& error);

    // Seconds of sound the data chunk holds.
    double seconds() const;

    int channels = 0;
    int bitsPerSample = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t dataBytes = 0;
    // The first data chunk's bytes as they are in the file: little-endian, channels interleaved.
    std::string samples;

    // Larger files are refused: the game's sounds are short.
    static constexpr std::uint32_t MaxFileBytes = 16u << 20;
};
