// Feeds the music to an Allegro audio stream, converting to the library's unsigned samples.
#include "audio/AllegroMusicOutput.h"

#include <allegro.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int FullVolume = 255; // the music's level is in its samples
constexpr int CentrePan = 128;
constexpr int FallbackRate = 44100;
// The module player renders at 8 to 48 kHz.
constexpr int LowestRate = 8000;
constexpr int HighestRate = 48000;

} // namespace

std::unique_ptr<AllegroMusicOutput> AllegroMusicOutput::open()
{
    if (digi_card == DIGI_NONE)
        return nullptr;
    int rate = get_mixer_frequency();
    rate = rate > 0 ? std::clamp(rate, LowestRate, HighestRate) : FallbackRate;
    const int frames = static_cast<int>(rate * BufferSeconds);
    AUDIOSTREAM* stream = play_audio_stream(frames, 16, TRUE, rate, FullVolume, CentrePan);
    if (!stream)
        return nullptr;
    return std::make_unique<AllegroMusicOutput>(stream, rate, frames);
}

AllegroMusicOutput::AllegroMusicOutput(AUDIOSTREAM* audio, int rate, int frames)
    : stream(audio)
    , frequency(rate)
    , bufferFrames(frames)
{
}

AllegroMusicOutput::~AllegroMusicOutput()
{
    stop_audio_stream(stream);
}

int AllegroMusicOutput::wanted()
{
    if (!pending)
        pending = get_audio_stream_buffer(stream);
    return pending ? bufferFrames : 0;
}

void AllegroMusicOutput::write(const std::int16_t* stereo, int frames)
{
    if (!pending)
        return;
    auto* to = static_cast<std::uint16_t*>(pending);
    const int values = 2 * std::min(frames, bufferFrames);
    for (int i = 0; i < values; ++i)
        to[i] = static_cast<std::uint16_t>(static_cast<std::uint16_t>(stereo[i]) ^ 0x8000u);
    free_audio_stream_buffer(stream);
    pending = nullptr;
}
