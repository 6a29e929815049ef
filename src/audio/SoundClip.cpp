#include "audio/SoundClip.h"

#include "audio/WavFile.h"

#include <allegro.h>
#include <algorithm>
#include <cstdint>

SoundClip::SoundClip(std::string name, SAMPLE* sample)
    : source(std::move(name))
    , data(sample)
{
}

SoundClip::~SoundClip()
{
    if (data)
        destroy_sample(data);
}

std::unique_ptr<SoundClip> SoundClip::load(const std::string& path, std::string& error)
{
    WavFile wav;
    if (!wav.inspect(path, error))
        return nullptr;
    const int sampleBytes = wav.bitsPerSample / 8;
    const std::size_t frames = wav.samples.size() / (sampleBytes * wav.channels);
    SAMPLE* sample = create_sample(wav.bitsPerSample, wav.channels == 2, static_cast<int>(wav.sampleRate),
                                   static_cast<int>(frames));
    if (!sample) {
        error = "no memory for its samples";
        return nullptr;
    }
    const auto* from = reinterpret_cast<const unsigned char*>(wav.samples.data());
    const std::size_t values = frames * wav.channels;
    if (sampleBytes == 1) {
        // Eight-bit sound is unsigned in the file and in the library alike.
        std::copy(from, from + values, static_cast<unsigned char*>(sample->data));
    } else {
        // Sixteen-bit sound is signed little-endian in the file, unsigned in the library's byte order.
        auto* to = static_cast<std::uint16_t*>(sample->data);
        for (std::size_t i = 0; i < values; ++i)
            to[i] = static_cast<std::uint16_t>((from[2 * i] | (from[2 * i + 1] << 8)) ^ 0x8000);
    }
    return std::make_unique<SoundClip>(path, sample);
}

double SoundClip::seconds() const
{
    return data && data->freq > 0 ? static_cast<double>(data->len) / data->freq : 0.0;
}
