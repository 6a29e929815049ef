// The shape a ProTracker module must have before the module player sees it. libxmp 4.5 writes out
// of bounds playing some malformed modules (one channel; a jump past the song's end or a break to
// a row past the pattern's end, under a pattern delay), so only modules laid out as ProTracker
// itself writes them pass: a known channel tag, a song of 1 to 128 positions, every pattern the
// order table names present, sample headers in range, and pattern cells that name a sample that
// exists and jump or break only within the song.
#pragma once

#include <string>

class ProTrackerCheck {
public:
    // Empty when the bytes have that shape; else what is wrong, in a few words: "not a ProTracker
    // module" without a channel tag of 2 to 32 channels, else "not a module the game plays: ...".
    static std::string problem(const std::string& bytes);

private:
    static std::string shapeProblem(const std::string& bytes, int channelCount);
};
