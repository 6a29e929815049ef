// Listening to the game in tests: a sound output that records every start and stop instead of
// playing, synthetic clips for every event, and a clock that only moves when the test moves it.
#pragma once

#include "audio/SoundEvent.h"
#include "audio/SoundOutput.h"

#include <string>
#include <vector>

namespace testsound {

// Length of every synthetic clip.
constexpr double ClipSeconds = 0.1;

class RecordingSoundOutput : public SoundOutput {
public:
    struct Start {
        std::string clip; // the event's key, e.g. "Sound.LaserFired"
        int volume;
        int pan;
        double time;
    };
    void start(const SoundClip& clip, int volume, int pan) override;
    void stop(const SoundClip& clip) override;

    // Starts of the event's clip, in order.
    std::vector<Start> of(SoundEvent event) const;

    std::vector<Start> starts;
    std::vector<std::string> stops;
};

// Gives every event a ClipSeconds clip named after its key, puts a recorder in as the output at
// full volume with sound on, and sets the clock to 1000 s. Call after testcontent::install.
RecordingSoundOutput& install();
// The time the sound board reads; tests move it forward.
double& now();

} // namespace testsound
