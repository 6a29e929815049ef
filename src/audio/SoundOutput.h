// Where the game's sounds go: the sound device, or nowhere. The game only ever starts and stops
// clips through this, so tests can put a recorder in its place, as they do for input.
#pragma once

class SoundClip;

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts one more copy of the clip at volume 0..255 and pan 0 (left) .. 128 (centre) .. 255 (right).
    virtual void start(const SoundClip& clip, int volume, int pan) = 0;
    // Stops every copy of the clip that is still playing.
    virtual void stop(const SoundClip& clip) = 0;
    // Whether what starts here can be heard: false where there is no sound device.
    virtual bool heard() const { return true; }
};
