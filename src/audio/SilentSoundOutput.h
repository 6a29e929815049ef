// The output of a game without a sound device: every sound is dropped.
#pragma once

#include "audio/SoundOutput.h"

class SilentSoundOutput : public SoundOutput {
public:
    void start(const SoundClip&, int, int) override {}
    void stop(const SoundClip&) override {}
    bool heard() const override { return false; }
};
