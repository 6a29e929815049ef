// Plays clips on the sound card through Allegro's digital sound driver (ALSA on Linux).
#pragma once

#include "audio/SoundOutput.h"

#include <memory>

class AllegroSoundOutput : public SoundOutput {
public:
    // Installs Allegro's digital sound, letting it pick the driver. Null when no sound device can
    // be opened; the sound library's own complaints are kept quiet meanwhile.
    static std::unique_ptr<AllegroSoundOutput> open();

    void start(const SoundClip& clip, int volume, int pan) override;
    void stop(const SoundClip& clip) override;

    // Voices the mixer keeps; the voice cap keeps well below this in practice.
    static constexpr int Voices = 24;
};
