#include "audio/WavFile.h"

#include "audio/SoundClip.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

namespace {

// A WAV file of silent frames; dataLength, when not negative, is the data size it claims.
std::string wav(int channels, int bits, int rate, std::uint32_t frames, long dataLength = -1, int format = 1)
{
    const std::uint32_t bytes = frames * channels * (bits / 8);
    std::string out;
    auto put = [&out](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    out += "RIFF";
    put(36 + bytes, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(format, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    out += "data";
    put(dataLength < 0 ? bytes : static_cast<std::uint32_t>(dataLength), 4);
    return out + std::string(bytes, '\0');
}

// Each test writes files of its own: CTest runs the tests of this file side by side.
std::string written(const std::string& bytes)
{
    static int count = 0;
    const std::string name = std::string("squibble-wav-") +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                             std::to_string(++count) + ".wav";
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

} // namespace

TEST(WavFile, GameFormatIsReadWithItsLengthAndPlaysThatLong)
{
    WavFile file;
    std::string error;
    ASSERT_TRUE(file.inspect(written(wav(1, 16, 22050, 11025)), error)) << error;
    EXPECT_EQ(file.channels, 1);
    EXPECT_EQ(file.bitsPerSample, 16);
    EXPECT_DOUBLE_EQ(file.seconds(), 0.5);
    auto clip = SoundClip::load(written(wav(1, 16, 22050, 11025)), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_NEAR(clip->seconds(), 0.5, 1e-9);
}

TEST(WavFile, BrokenFilesAreTurnedAwayBeforeAllegroAllocates)
{
    const std::string cases[] = {
        "", "RIFF0000WAVX",
        wav(1, 16, 22050, 100, 0x7ffffff0),   // claims far more data than the file holds
        wav(1, 16, 22050, 100).substr(0, 30), // cut inside the format chunk
        wav(1, 16, 22050, 100, -1, 3),        // floating-point samples
        wav(6, 16, 22050, 100), wav(1, 24, 22050, 100), wav(1, 16, 0, 100), wav(1, 16, 22050, 0),
    };
    for (const std::string& bytes : cases) {
        WavFile file;
        std::string error;
        EXPECT_FALSE(file.inspect(written(bytes), error)) << bytes.size();
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(SoundClip::load(written(bytes), error));
    }
    std::filesystem::remove(written(""));
}

TEST(WavFile, TheSampleIsBuiltFromTheCheckedChunksWhateverFollowsThem)
{
    const std::string checked = wav(1, 16, 22050, 11025).replace(44, 2, "\x34\x12");
    // Then a second fmt and data pair, a data chunk claiming 1.5 GiB, a torn chunk header.
    for (const std::string& bytes :
         {checked + wav(2, 8, 11025, 100).substr(12), checked + std::string("data\0\0\0\x60", 8), checked + "dat"}) {
        std::string error;
        const auto clip = SoundClip::load(written(bytes), error);
        ASSERT_TRUE(clip) << error;
        const SAMPLE& sample = *clip->sample();
        const auto* values = static_cast<const std::uint16_t*>(sample.data); // signed in the file, unsigned here
        EXPECT_EQ(std::tuple(sample.bits, sample.stereo, sample.len, values[0], values[1]),
                  std::tuple(16, 0, 11025UL, 0x9234, 0x8000));
    }
}
