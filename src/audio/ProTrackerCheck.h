// The shape a ProTracker module must have before the module player sees it. libxmp 4.5 writes out
// of bounds playing some malformed modules (one channel; a jump past the song's end or a break to
// a row past the pattern's end, under a pattern delay), so only modules laid out as ProTracker
// itself writes them pass: a known channel tag, a song of 1 to 128 positions, every pattern the
// order table names present, sample headers in range, and pattern cells that name a sample that
// exists and jump or break only within the song.
#pragma once

#include <cstddef>
#include <string>

class ProTrackerCheck {
public:
    // Where the channel tag stands ("M.K.", "6CHN", "12CH"), and the size of the header before
    // the first pattern.
    static constexpr std::size_t TagAt = 1080;
    static constexpr std::size_t HeaderBytes = 1084;

    // The number of channels the tag names (2 to 32); 0 for a tag that is no ProTracker one.
    static int channels(const std::string& bytes);
    // Empty when the bytes have that shape; else what is wrong, in a few words.
    static std::string problem(const std::string& bytes);
};
