#include "audio/AllegroSoundOutput.h"

#include "audio/SoundClip.h"

#include <alsa/asoundlib.h>
#include <allegro.h>

namespace {

constexpr int NormalFrequency = 1000; // play at the sample's own rate
constexpr int NoLoop = 0;

// ALSA reports every configuration it tries and fails on a machine without sound; opening the
// device is allowed to fail, and the game says so itself in one line.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

std::unique_ptr<AllegroSoundOutput> AllegroSoundOutput::open()
{
    snd_lib_error_set_handler(quietAlsa);
    reserve_voices(Voices, 0);
    const int result = install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    snd_lib_error_set_handler(nullptr);
    // Without a device Allegro falls back to its driver that plays nothing, and cannot give it voices.
    if (result != 0 || digi_card == DIGI_NONE) {
        if (result == 0)
            remove_sound();
        return nullptr;
    }
    return std::make_unique<AllegroSoundOutput>();
}

void AllegroSoundOutput::start(const SoundClip& clip, int volume, int pan)
{
    if (clip.sample())
        play_sample(clip.sample(), volume, pan, NormalFrequency, NoLoop);
}

void AllegroSoundOutput::stop(const SoundClip& clip)
{
    if (clip.sample())
        stop_sample(clip.sample());
}
