#include "audio/WavFile.h"

#include "audio/SoundClip.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void put32(std::string& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

void put16(std::string& bytes, int value)
{
    bytes += static_cast<char>(value & 0xff);
    bytes += static_cast<char>((value >> 8) & 0xff);
}

// A WAV file of `frames` silent frames; dataLength overrides the data chunk's declared size.
std::string wav(int channels, int bits, int rate, std::uint32_t frames, long dataLength = -1, int format = 1)
{
    const std::uint32_t bytes = frames * channels * (bits / 8);
    std::string out = "RIFF";
    put32(out, 36 + bytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, format);
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * channels * bits / 8);
    put16(out, channels * bits / 8);
    put16(out, bits);
    out += "data";
    put32(out, dataLength < 0 ? bytes : static_cast<std::uint32_t>(dataLength));
    out += std::string(bytes, '\0');
    return out;
}

class WavFiles : public ::testing::Test {
protected:
    std::string write(const std::string& bytes)
    {
        const std::string path = (std::filesystem::temp_directory_path() / ("squibble-wav-" + std::to_string(++count) + ".wav")).string();
        std::ofstream(path, std::ios::binary) << bytes;
        paths.push_back(path);
        return path;
    }
    void TearDown() override
    {
        for (const std::string& path : paths)
            std::filesystem::remove(path);
    }
    std::vector<std::string> paths;
    int count = 0;
};

} // namespace

TEST_F(WavFiles, GameFormatIsReadWithItsLength)
{
    WavFile file;
    std::string error;
    ASSERT_TRUE(file.inspect(write(wav(1, 16, 22050, 11025)), error)) << error;
    EXPECT_EQ(file.channels, 1);
    EXPECT_EQ(file.bitsPerSample, 16);
    EXPECT_EQ(file.sampleRate, 22050u);
    EXPECT_DOUBLE_EQ(file.seconds(), 0.5);
    auto clip = SoundClip::load(paths.back(), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_NEAR(clip->seconds(), 0.5, 1e-9);
}

TEST_F(WavFiles, BrokenFilesAreTurnedAwayBeforeAllegroAllocates)
{
    const std::string cases[] = {
        "",                                       // empty
        "RIFF0000WAVX",                           // not WAVE
        wav(1, 16, 22050, 100, 0x7ffffff0),       // claims far more data than the file holds
        wav(1, 16, 22050, 100).substr(0, 30),     // cut inside the format chunk
        wav(1, 16, 22050, 100, -1, 3),            // floating-point samples
        wav(6, 16, 22050, 100),                   // six channels
        wav(1, 24, 22050, 100),                   // 24 bits
        wav(1, 16, 0, 100),                       // no rate
        wav(1, 16, 22050, 0),                     // no sound
    };
    for (const std::string& bytes : cases) {
        WavFile file;
        std::string error;
        EXPECT_FALSE(file.inspect(write(bytes), error)) << paths.back();
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(SoundClip::load(paths.back(), error));
    }
    WavFile missing;
    std::string error;
    EXPECT_FALSE(missing.inspect("no/such/file.wav", error));
    EXPECT_EQ(error, "cannot open it");
}
