// Keeps a burst of one sound from piling up into a roar: at most MaxCopies copies of the same
// sound playing at once, and two starts of it at least MinimumGap seconds apart. Time is real
// time, not game time, so a fast-forwarded frame that fires many shots is still heard as one.
#pragma once

#include <vector>

class VoiceLimiter {
public:
    static constexpr int MaxCopies = 3;
    static constexpr double MinimumGap = 0.045;

    // Whether a copy of sound `id` that plays for `seconds` may start at time `now` (seconds);
    // when it may, the start is counted.
    bool admit(int id, double now, double seconds);
    // Forgets every copy, as when all sounds have been stopped.
    void clear();

private:
    struct Copies {
        std::vector<double> endings; // when each copy still playing ends
        double lastStart = 0.0;
        bool started = false;
    };
    std::vector<Copies> sounds;
};
